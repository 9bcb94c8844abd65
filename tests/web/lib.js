// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the skip when there is nothing to test, checks that count,
// the screens by name, and taps with a finger through the DevTools Input domain.
'use strict';
const fs = require('fs');

const SKIP = 77;

// puppeteer-core's launch, or exit 77 (skipped) without it, Chromium or the build's file.
function browserOrSkip(needed) {
    let tools;
    try {
        tools = require('../../tools/web/browser.js');
    } catch (e) {
        console.log(`skipped: puppeteer-core is not installed (make web installs it): ${e.message}`);
        process.exit(SKIP);
    }
    if (!fs.existsSync(process.env.CHROMIUM || '/usr/bin/chromium')) {
        console.log('skipped: no chromium (make web installs it)');
        process.exit(SKIP);
    }
    if (!fs.existsSync(needed)) {
        console.log(`skipped: no web build at ${needed} (make web)`);
        process.exit(SKIP);
    }
    return tools;
}

let failures = 0, checks = 0;
function check(ok, what) {
    ++checks;
    if (!ok) {
        ++failures;
        console.log(`FAILED: ${what}`);
    }
}

// Runs the test, prints the count and exits with its status.
function run(test) {
    test().then(() => {
        console.log(`${checks - failures} passed, ${failures} failed`);
        process.exit(failures ? 1 : 0);
    }, e => {
        console.log(`FAILED: ${e.stack}`);
        process.exit(1);
    });
}

// A new tab that keeps the page's errors and console errors, which a test expects none of.
async function pageWithErrors(browser) {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', e => errors.push(e.message));
    page.on('console', m => m.type() === 'error' && errors.push(m.text()));
    return {page, errors};
}

const win = s => `.win[data-screen="${s}"]`;
const ctl = (s, c) => `${win(s)} [data-name="${c}"]`;
const sleep = ms => new Promise(r => setTimeout(r, ms));

// The screens up, by name, sorted.
const shown = page => page.$$eval('.win', ws => ws.filter(w => getComputedStyle(w).display !== 'none')
                                              .map(w => w.dataset.screen).sort().join(' '));
const text = (page, s, c) => page.$eval(ctl(s, c), e => e.tagName === 'INPUT' ? e.value : e.textContent);

// A finger's tap in the middle of what the selector finds, once it stands still and nothing
// covers it: touch start and end, no mouse.
async function tap(page, selector) {
    await page.waitForSelector(selector, {visible: true});
    const at = await page.$eval(selector, el => new Promise(resolve => {
        let last = '';
        const look = () => {
            const r = el.getBoundingClientRect();
            const x = r.left + r.width / 2, y = r.top + r.height / 2;
            const now = `${x},${y},${el.contains(document.elementFromPoint(x, y))}`;
            if (now === last && now.endsWith('true')) resolve({x, y});
            else requestAnimationFrame(look);
            last = now;
        };
        look();
    }));
    const client = await page.target().createCDPSession();
    await client.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [at]});
    await client.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    await client.detach();
}

// Every entry into the program the page makes from now on, by name (mt_key, mt_edited, mt_typed).
async function countEntries(page) {
    await page.evaluate(() => {
        if (window.entries) return;
        window.entries = [];
        const ccall = Module.ccall;
        Module.ccall = (name, ...rest) => {
            window.entries.push(name);
            return ccall(name, ...rest);
        };
    });
    return async () => page.evaluate(() => window.entries.splice(0).join(' '));
}

module.exports = {browserOrSkip, check, run, pageWithErrors, win, ctl, sleep, shown, text, tap, countEntries};
