// SPDX-License-Identifier: GPL-3.0-or-later
// The hosted site as a school's web server gives it, in headless Chromium: the first visit installs
// the service worker, which keeps every file; then the network goes (the DevTools protocol's offline
// mode, and the server shut), the page reloads and a drill answer is played. Nothing goes to the
// network while the child plays, and the one file, served the same way, registers no worker.
// Usage: node offline.js BUILD_WEB_DIR (build/web, holding site/ and maaltafels.html).
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const {browserOrSkip, check, run, pageWithErrors, win, ctl, shown, text} = require('./lib.js');

const web = path.resolve(process.argv[2] || 'build/web');
const site = path.join(web, 'site');
const {launch} = browserOrSkip(path.join(site, 'sw.js'));

const TYPES = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.png': 'image/png',
               '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json'};

// The site at /, the one file at /one/maaltafels.html; every request it answers is kept.
function serve() {
    const asked = [];
    const server = http.createServer((req, res) => {
        asked.push(req.url);
        const url = new URL(req.url, 'http://localhost').pathname;
        const file = url.startsWith('/one/') ? path.join(web, path.basename(url))
                                              : path.join(site, url.endsWith('/') ? url + 'index.html' : url);
        fs.readFile(file, (err, data) => {
            if (err) {
                res.writeHead(404).end();
                return;
            }
            res.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'}).end(data);
        });
    });
    return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve({server, asked, port: server.address().port})));
}

async function main() {
    const {server, asked, port} = await serve();
    const browser = await launch();
    try {
        const {page, errors} = await pageWithErrors(browser);
        const client = await page.target().createCDPSession();

        await page.goto(`http://localhost:${port}/`);
        await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
        // The worker takes the page over once it has kept every file.
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 20000});
        const kept = await page.evaluate(async () => {
            const names = await caches.keys();
            const cache = await caches.open(names[0]);
            return {names, files: (await cache.keys()).map(r => new URL(r.url).pathname).sort()};
        });
        const files = ['/', ...fs.readdirSync(site, {recursive: true})
                                  .filter(f => f !== 'sw.js' && fs.statSync(path.join(site, f)).isFile())
                                  .map(f => '/' + f.split(path.sep).join('/'))].sort();
        check(kept.names.length === 1 && /^maaltafels-[0-9a-f]{16}$/.test(kept.names[0]),
              `one cache, named by the build's hash (${kept.names})`);
        check(kept.files.join(' ') === files.join(' '), `the worker keeps every file of the site (${kept.files.join(' ')})`);

        const manifest = await client.send('Page.getAppManifest');
        const app = JSON.parse(manifest.data || '{}');
        check(manifest.errors.length === 0, `the manifest reads without errors: ${JSON.stringify(manifest.errors)}`);
        check(app.name === 'Maaltafels' && app.display === 'standalone', `the manifest names the app, standalone (${app.name}, ${app.display})`);
        check((app.icons || []).some(i => i.sizes === '512x512') && (app.icons || []).some(i => i.sizes === '192x192'),
              'with the icons a home screen needs');
        const installable = await client.send('Page.getInstallabilityErrors');
        check(installable.installabilityErrors.length === 0,
              `Chromium offers to install it: ${JSON.stringify(installable.installabilityErrors)}`);

        // No network: the browser offline, the server gone.
        const firstVisit = asked.length;
        await page.setOfflineMode(true);
        server.closeAllConnections();
        await new Promise(resolve => server.close(resolve));
        const requests = [], failed = [];
        page.on('requestfinished', r => requests.push(r));
        page.on('requestfailed', r => failed.push(`${r.url()} ${r.failure() && r.failure().errorText}`));
        await page.reload();
        await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
        check(failed.length === 0, `offline, nothing fails to load: ${failed.join(', ')}`);
        const fromNetwork = requests.filter(r => /^https?:/.test(r.url()) && !r.response().fromServiceWorker());
        check(requests.length > 0 && fromNetwork.length === 0,
              `offline, every file comes from the worker (${requests.length} requests, from the network: ${fromNetwork.map(r => r.url())})`);
        check(asked.length === firstVisit, 'and the server hears nothing');

        // A drill answer, played offline; while the child plays nothing is asked of the network.
        requests.length = 0;
        await page.click(ctl('frmmecenaat1', 'cmdkombinnen'));
        await page.click(ctl('frmbasis', 'Command7'));
        await page.click(ctl('frmSplash', 'cmdvervoer'));
        await page.waitForSelector(win('TafelsE'), {visible: true});
        await page.click(ctl('TafelsE', 'cmdstarter(6)'));
        const m = /^(\d+) x (\d+) = \?$/.exec(await text(page, 'TafelsE', 'lblvalprobleem'));
        await page.keyboard.type(String(+m[1] * +m[2]));
        await page.waitForFunction(s => document.querySelector(s).textContent === '1', {timeout: 2000},
                                   ctl('TafelsE', 'lblaantaljuist')).catch(() => {});
        check(await text(page, 'TafelsE', 'lblaantaljuist') === '1', 'offline, a right answer counts');
        check(await shown(page) === 'MDIForm2 TafelsE', 'in the drill');
        // The page itself asks for nothing; the tab's icon the browser fetches when it likes, which
        // may be now, from the worker or its own cache, not from the network.
        const tabIcon = await page.$eval('link[rel~="icon"]', l => l.href).catch(() => '');
        const played = requests.filter(r => !/^(blob|data):/.test(r.url()) &&
                                            !(r.url() === tabIcon && r.response() &&
                                              (r.response().fromServiceWorker() || r.response().fromCache())));
        check(played.length === 0, `while playing, no request leaves the page: ${played.map(r => r.url()).join(', ')}`);
        check(asked.length === firstVisit, 'and the server still hears nothing');
        check(errors.length === 0, `no errors in the page: ${errors.join('; ')}`);
        await page.close();

        // The one file, from a server too: it registers no worker and asks for nothing more.
        const again = await serve();
        try {
            const one = await browser.newPage();
            await one.goto(`http://localhost:${again.port}/one/maaltafels.html`);
            await one.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
            await one.evaluate(() => new Promise(r => setTimeout(r, 500)));
            check(await one.evaluate(async () => (await navigator.serviceWorker.getRegistrations()).length === 0),
                  'the one file registers no service worker');
            check(again.asked.join(' ') === '/one/maaltafels.html', `and asks for nothing but itself (${again.asked.join(' ')})`);
            await one.close();
        } finally {
            again.server.close();
        }
    } finally {
        await browser.close();
        server.close();
    }
}

run(main);
