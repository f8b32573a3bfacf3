// The font of skinned text: face "Arial" with the tool's fixed parameters; each use gives the
// height (logical units, positive: cell height) and weight, and rotated captions an escapement.
#pragma once
#include "skin/GdiObject.h"

GdiObject<HFONT> SkinFont(int height, int weight, int escapement = 0, bool italic = false);
