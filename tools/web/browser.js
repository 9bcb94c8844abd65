// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, on a fresh profile that never reaches the network by itself.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
// `make web` installs the pinned puppeteer-core into the build tree, not beside the sources.
module.paths.unshift(path.resolve(__dirname, '../../build/web/npm/node_modules'));
const puppeteer = require('puppeteer-core');

const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

// With `gpu`, Chromium keeps its GPU process (SwiftShader on a machine without a GPU).
// protocolTimeout: how long one call into the page may take (puppeteer's default, 3 minutes, is
// shorter than a long walk in the page).
async function launch({width = 1366, height = 768, gpu = false, protocolTimeout = 180000} = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'maaltafels-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: chromium,
        headless: true,
        userDataDir: profile,
        defaultViewport: {width, height},
        protocolTimeout,
        args: ['--no-sandbox', ...(gpu ? [] : ['--disable-gpu']), '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--no-first-run', '--allow-file-access-from-files'],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        fs.rmSync(profile, {recursive: true, force: true});
    };
    return browser;
}

module.exports = {launch};
