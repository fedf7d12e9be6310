#pragma once

// The pictures of the suite (application icon, banner strip and button bar
// background) are compiled into the orbelle_assets library as Qt resources
// under ":/orbelle/". Calling linkAssets() is optional: it only gives code a
// symbol to refer to so that the library is never dropped by the linker.
namespace orbelle {

void linkAssets();

} // namespace orbelle
