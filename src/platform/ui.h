// The whole window layer: the editor includes this and nothing platform-specific.
#pragma once

#include "platform/event.h"
#include "platform/rich_edit.h"
#include "platform/system.h"
#include "platform/types.h"
#include "platform/window.h"
