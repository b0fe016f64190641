// Ids of the main window's menu items; an accelerator arrives as a pick of its item.
#pragma once

namespace editor {

constexpr int kMenuNewFile = 209;
constexpr int kMenuOpenFile = 210;
constexpr int kMenuCloseFile = 211;
constexpr int kMenuSaveFile = 212;
constexpr int kMenuSaveFileAs = 213;
constexpr int kMenuBackupFile = 214;
constexpr int kMenuReindexFile = 215;
constexpr int kMenuEditorSettings = 216;
constexpr int kMenuRecentFiles = 300;
constexpr int kMenuClearClipboard = 302;
constexpr int kMenuResetFirstUse = 301;
constexpr int kMenuExit = 220;
constexpr int kMenuCut = 201;
constexpr int kMenuCopy = 202;
constexpr int kMenuPaste = 203;
constexpr int kMenuSelectAll = 206;
constexpr int kMenuFind = 204;
constexpr int kMenuUserGuide = 240;

// The edit control's context menu: twins of the Edit menu's items, and its find picks.
constexpr int kContextCut = 401;
constexpr int kContextCopy = 402;
constexpr int kContextPaste = 403;
constexpr int kContextSelectAll = 404;
constexpr int kContextFindFirst = 205;
constexpr int kContextFindAll = 230;
constexpr int kContextFindLast = 231;
constexpr int kContextTranspose = 232;
constexpr int kContextFindThisControl = 233;

}  // namespace editor
