#include "mirror/MirrorParams.h"

MirrorParams DefaultMirrorParams{0.0, 0.0, RealPoint{0, 0}, MirrorJoin, false};
