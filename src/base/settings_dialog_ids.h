// Ids of the "Editor settings" dialog's controls, named so that code reads kApplyButton, not 440.
#pragma once

#include "platform/types.h"

namespace editor::settings {

using ui::ControlId;

// The colour word, "colour" or "color": a picture and a tick box for each.
constexpr ControlId kColourWordImage = 100;
constexpr ControlId kColorWordImage = 101;
constexpr ControlId kColourWordBox = 102;
constexpr ControlId kColorWordBox = 103;

// The editor font.
constexpr ControlId kFontNameLabel = 110;
constexpr ControlId kFontNameValue = 111;
constexpr ControlId kFontSizeLabel = 112;
constexpr ControlId kFontSizeValue = 113;
constexpr ControlId kChangeFontButton = 114;

// Key word case.
constexpr ControlId kKeywordCaseLabel = 120;
constexpr ControlId kUppercaseButton = 121;
constexpr ControlId kLowercaseButton = 122;
constexpr ControlId kAsTypedButton = 123;

// Colour swatches; each swatch's label is its id + kColourLabelOffset.
constexpr ControlId kTextSwatch = 200;
constexpr ControlId kKeywordSwatch = 201;
constexpr ControlId kConstantsSwatch = 202;
constexpr ControlId kPreprocessorSwatch = 203;
constexpr ControlId kAssemblySwatch = 204;
constexpr ControlId kDefinitionSwatch = 205;
constexpr ControlId kCommentSwatch = 206;
constexpr ControlId kQuotationSwatch = 207;
constexpr ControlId kNumberSwatch = 208;
constexpr ControlId kRoundBracketSwatch = 209;
constexpr ControlId kSquareBracketSwatch = 210;
constexpr ControlId kLocalSubroutineSwatch = 211;
constexpr ControlId kLocalWindowSwatch = 212;
constexpr ControlId kControlSwatch = 213;
constexpr ControlId kFileBackgroundSwatch = 214;
constexpr ControlId kWindowBackgroundSwatch = 215;
constexpr ControlId kWindowTextSwatch = 216;
constexpr ControlId kLineDefaultSwatch = 217;
constexpr ControlId kLineHighlightSwatch = 218;
constexpr ControlId kColourLabelOffset = 100;

// Tick boxes.
constexpr ControlId kAutoJumpBox = 400;
constexpr ControlId kConfirmationsBox = 401;
constexpr ControlId kSaveFilesOnExitBox = 402;
constexpr ControlId kSaveFileOnCloseBox = 403;
constexpr ControlId kTooltipsBox = 404;
constexpr ControlId kAutoCompleteBox = 405;
constexpr ControlId kProgramDebugBox = 406;
constexpr ControlId kEditCoordinatesBox = 407;
constexpr ControlId kCloseSubSearchBox = 408;
constexpr ControlId kRememberPlacesBox = 409;
constexpr ControlId kAllowDuplicatesBox = 410;

// Number boxes and their labels.
constexpr ControlId kWheelLinesLabel = 420;
constexpr ControlId kWheelLinesBox = 421;
constexpr ControlId kTabSpacingLabel = 422;
constexpr ControlId kTabSpacingBox = 423;

// Search presets.
constexpr ControlId kFindFirstBox = 430;
constexpr ControlId kFindAllBox = 431;
constexpr ControlId kFindLastBox = 432;
constexpr ControlId kAndBox = 433;
constexpr ControlId kOrBox = 434;

constexpr ControlId kApplyButton = 440;
constexpr ControlId kDefaultsButton = 441;
constexpr ControlId kCancelButton = 442;
// A line under the buttons that says when the settings could not be saved or restored.
constexpr ControlId kStatusLine = 450;

}  // namespace editor::settings
