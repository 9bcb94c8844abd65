// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/dom.h"
#include "shell/maaltafels.h"

// The program in a browser: the same screens on the page's binding. Everything lives on after
// main returns; the page's events drive it from then on.
int main() {
    static mt::web::DomPage page;
    const int width = mt::web::DomPage::viewportWidth(), height = mt::web::DomPage::viewportHeight();
    const double zoom = mt::web::viewportZoom(width, height);
    static mt::web::WebClock clock;
    static mt::web::WebMetrics metrics(page, zoom);
    static mt::web::WebMessageBox box;
    static mt::Random random;
    static Maaltafels app({clock, box, random, metrics});
    static mt::web::WebBinding binding(app, page, {.zoom = zoom, .workWidth = width, .workHeight = height});
    mt::web::connect(binding, clock, metrics);
    app.randomize();
    app.start();
    return 0;
}
