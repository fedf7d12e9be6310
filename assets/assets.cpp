// Resources of the orbelle_assets library: orbelle.svg, banner.svg and
// buttonbar.svg, reachable as ":/orbelle/orbelle.svg" and so on. The pictures
// are registered by the resource object files that qt_add_resources attaches
// to this library; this file only gives the library a source to build.
#include "assets.h"

namespace orbelle {

void linkAssets() {}

} // namespace orbelle
