// Compiled by the layer tests only, against one layer, with the header given by the test.
#include LAYER_PROBE_HEADER
