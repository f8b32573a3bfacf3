// Resource numbers of the pictures the skin kit takes from the program's resources; the resource
// script includes this header, so it holds preprocessor definitions only.
#pragma once

// The striped rows behind the macro list: 175 x 299 pixels, 13 bands of 23 rows.
#define IDB_LIST_STRIPES 140
