// The pictures are compiled into the program; a static library must register
// them explicitly.
#include <QtGlobal>

namespace orvane::ui {
void InitResources();
}

static void InitOrvaneResources() { Q_INIT_RESOURCE(orvane); }

void orvane::ui::InitResources() { InitOrvaneResources(); }
