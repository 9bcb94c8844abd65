// SPDX-License-Identifier: GPL-3.0-or-later
// Runs scenario files (or a random walk) in the scenario page in headless Chromium: the runner
// runs in the page on the page's binding, and asks here for every input, which goes to the page
// through the DevTools Input domain as a real mouse click, key or typed text.
// Usage: node run-scenarios.js PAGE.html [--shots DIR] [--examples MARKDOWN]... FILE...
//        node run-scenarios.js PAGE.html --walk [--seed N] [--events N] [--cover] [--replay FILE] ...
// Closes with "N passed, M failed" (and the skips) for files; a walk with its own summary.
'use strict';
const fs = require('fs');
const path = require('path');

const SKIP = 77;
const [pageFile, ...args] = process.argv.slice(2);
if (!pageFile) {
    console.error('usage: run-scenarios.js PAGE.html [--touch] [--shots DIR] [--examples MARKDOWN]... FILE...\n' +
                  '       run-scenarios.js PAGE.html --walk [--seed N] [--events N] [--cover] [--replay FILE]');
    process.exit(2);
}
let launch;
try {
    ({launch} = require('./browser.js'));
} catch (e) {
    console.log(`skipped: puppeteer-core is not installed (make web installs it): ${e.message}`);
    process.exit(SKIP);
}

// The page's own display: as large as the runner's, so that at zoom 1 every window stands where
// the model puts it.
const WIDTH = 1280, HEIGHT = 1024;
// One file that takes longer than this has hung.
const FILE_TIMEOUT_MS = 180000;

const walking = args.includes('--walk');
// --touch: an iPad on its side; its size in CSS pixels.
const tablet = args.includes('--touch');
const TABLET = {width: 1180, height: 820};
const view = tablet ? '--touch' : '--web';
// Options that take a value, and the files.
const withValue = new Set(['--shots', '--examples', '--seed', '--events', '--episode', '--replay', '--max-trend',
                           '--memory-log']);
const options = [], files = [], examples = [];
for (let i = 0; i < args.length; ++i) {
    if (args[i] === '--examples') examples.push(path.resolve(args[++i]));
    else if (withValue.has(args[i])) options.push(args[i], args[i + 1]), ++i;
    else if (args[i].startsWith('--')) options.push(args[i]);
    else files.push(path.resolve(args[i]));
}
for (const option of ['--shots', '--replay']) {
    const at = options.indexOf(option);
    if (at >= 0) options[at + 1] = path.resolve(options[at + 1]);
}

function keyEvent(type, req, modifiers) {
    const e = {type, key: req.key, code: req.code, windowsVirtualKeyCode: req.keyCode,
               nativeVirtualKeyCode: req.keyCode, modifiers};
    if (type === 'keyDown') {
        e.text = req.text;
        e.unmodifiedText = req.text;
    }
    return e;
}

// A fresh page, its runner loaded and waiting; the inputs it asks for are given here.
async function openPage(browser, journal, out) {
    const page = await browser.newPage();
    const client = await page.createCDPSession();
    const send = (method, params) => client.send(method, params);
    page.on('console', m => out(m.text()));
    page.on('pageerror', e => out(`page error: ${e.message}`));
    const key = async (req, modifiers = 0) => {
        await send('Input.dispatchKeyEvent', keyEvent(req.text ? 'keyDown' : 'rawKeyDown', req, modifiers));
        await send('Input.dispatchKeyEvent', keyEvent('keyUp', req, modifiers));
    };
    await page.exposeFunction('mtInput', async req => {
        switch (req.type) {
        case 'click':
            await send('Input.dispatchMouseEvent', {type: 'mousePressed', x: req.x, y: req.y, button: 'left',
                                                    buttons: 1, clickCount: 1});
            await send('Input.dispatchMouseEvent', {type: 'mouseReleased', x: req.x, y: req.y, button: 'left',
                                                    buttons: 0, clickCount: 1});
            return '';
        case 'tap':
            await send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{x: req.x, y: req.y}]});
            await send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
            return '';
        case 'insert':
            // An on-screen keyboard's text: no key events.
            await send('Input.insertText', {text: req.text});
            return '';
        case 'move':
            await send('Input.dispatchMouseEvent', {type: 'mouseMoved', x: req.x, y: req.y, button: 'none'});
            return '';
        case 'key':
            await key(req, req.shift ? 8 : 0);
            return '';
        case 'focus': {
            // The focus into a text box without a click, as a screen reader puts it there.
            const {root} = await send('DOM.getDocument', {depth: 0});
            const {nodeId} = await send('DOM.querySelector', {nodeId: root.nodeId, selector: `[data-id="${req.id}"]`});
            await send('DOM.focus', {nodeId});
            return '';
        }
        case 'paste':
            if (tablet) {
                // Select all from the box's menu, then the keyboard's text.
                await page.evaluate(id => document.querySelector(`[data-id="${id}"]`).select(), req.id);
                await send('Input.insertText', {text: req.text});
                return '';
            }
            // All of the box's text selected, then replaced by the text, or deleted.
            await key({key: 'a', code: 'KeyA', text: '', keyCode: 65}, 2);
            if (req.text === '') await key({key: 'Delete', code: 'Delete', text: '', keyCode: 46});
            else await send('Input.insertText', {text: req.text});
            return '';
        case 'shot': {
            const el = await page.$(`.win[data-id="${req.window}"]`);
            fs.mkdirSync(path.dirname(req.file), {recursive: true});
            await el.screenshot({path: req.file});
            return '';
        }
        }
        return `unknown input ${req.type}`;
    });
    await page.exposeFunction('mtJournal', (op, line) => journal[op](line));
    if (tablet) {
        await page.setViewport({width: TABLET.width, height: TABLET.height, isMobile: true, hasTouch: true,
                                deviceScaleFactor: 2});
        await page.evaluateOnNewDocument(() => { window.mtTablet = true; });
    }
    await page.goto('file://' + path.resolve(pageFile));
    await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun === true);
    return page;
}

// Runs the command line in the page: its exit status, or the error that took the page down.
async function run(page, argv, texts) {
    const call = page.evaluate(async (lines, texts) => {
        for (const [file, text] of texts) {
            Module.FS.mkdirTree(file.slice(0, file.lastIndexOf('/')) || '/');
            Module.FS.writeFile(file, text);
        }
        return Module.ccall('mt_scenarios', 'number', ['string'], [lines], {async: true});
    }, argv.join('\n'), texts);
    let timer;
    const hung = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`no answer in ${FILE_TIMEOUT_MS / 1000} s`)), FILE_TIMEOUT_MS);
    });
    try {
        return {status: await Promise.race([call, hung])};
    } catch (e) {
        return {error: e.message.split('\n')[0]};
    } finally {
        clearTimeout(timer);
    }
}

(async () => {
    if (!fs.existsSync(pageFile)) {
        console.log(`skipped: no scenario page at ${pageFile} (make test builds it)`);
        process.exit(SKIP);
    }
    const browser = await launch({width: WIDTH, height: HEIGHT, protocolTimeout: 24 * 3600 * 1000});
    // A walk's lines so far, as the page carries them out.
    let lines = [];
    const journal = {restart() { lines = []; }, add(l) { lines.push(l); }, takeBack() { lines.pop(); }};
    let failed = 0, passed = 0, skipped = 0, status = 0;
    try {
        if (walking) {
            const page = await openPage(browser, journal, console.log);
            // A failure's scenario, written in the page's own files, goes to the disk.
            const replay = options.includes('--replay') ? options[options.indexOf('--replay') + 1] : null;
            if (replay) await page.evaluate(dir => Module.FS.mkdirTree(dir), path.dirname(replay));
            const r = await run(page, [view, ...options.filter(o => o !== '--touch')], []);
            if (replay && r.error === undefined) {
                const text = await page.evaluate(f => Module.FS.analyzePath(f).exists ? Module.FS.readFile(f, {encoding: 'utf8'})
                                                                                   : null, replay);
                if (text !== null) fs.writeFileSync(replay, text);
            }
            if (r.error !== undefined) {
                const seed = options[options.indexOf('--seed') + 1];
                console.log(`walk: seed ${seed} crashed the page (${r.error}); the walk's lines so far:`);
                for (const l of lines) console.log(l);
                status = 1;
            } else {
                status = r.status;
            }
        } else {
            let page = null;
            const tally = /^(\d+) passed, (\d+) failed(?:, (\d+) skipped)?$/;
            const jobs = files.map(f => ({argv: [f], file: f}))
                .concat(examples.map(f => ({argv: ['--examples', f], file: f})));
            let counted = false;
            // Each call's closing line is added up; every other line is the runner's to say.
            const out = line => {
                const m = tally.exec(line);
                if (!m) return console.log(line);
                passed += +m[1];
                failed += +m[2];
                skipped += +(m[3] || 0);
                counted = true;
            };
            for (const job of jobs) {
                counted = false;
                if (!page) page = await openPage(browser, journal, out);
                const r = await run(page, [view, ...options.filter(o => o !== '--touch'), ...job.argv], [[job.file, fs.readFileSync(job.file, 'utf8')]]);
                if (r.error !== undefined || !counted) {
                    console.log(`${job.file}: the page went down: ${r.error || 'no result'}`);
                    ++failed;
                    await page.close().catch(() => {});
                    page = null;
                }
            }
            console.log(`${passed} passed, ${failed} failed` + (skipped ? `, ${skipped} skipped` : ''));
            status = failed ? 1 : 0;
        }
    } finally {
        await browser.close();
    }
    process.exit(status);
})().catch(e => {
    console.log(`FAILED: ${e.stack}`);
    process.exit(1);
});
