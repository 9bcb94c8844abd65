// SPDX-License-Identifier: GPL-3.0-or-later
// The one-file build on an emulated iPad, by touch: every screen inside the viewport as the tablet
// turns; the frame's menu in reach of a finger; typing with real keys and with an on-screen
// keyboard's inserted text giving one answer each; the keyboard kept off the answer box; a hidden
// tab standing still. Then a Chromebook's window. Usage: node tablet.js PAGE.html [SHOTS_DIR].
'use strict';
const fs = require('fs');
const path = require('path');
const {browserOrSkip, check, run, pageWithErrors, win, ctl, sleep, shown, text, tap, countEntries} = require('./lib.js');

const file = path.resolve(process.argv[2] || 'build/web/maaltafels.html');
const shots = process.argv[3];
const {launch} = browserOrSkip(file);

const ipad = {width: 1024, height: 768, deviceScaleFactor: 1, isMobile: true, hasTouch: true, isLandscape: true};
const ipadPortrait = {...ipad, width: 768, height: 1024, isLandscape: false};
const chromebook = {width: 1366, height: 768, deviceScaleFactor: 1, isMobile: false, hasTouch: true};

// The page's visual viewport, shrunk at will as an on-screen keyboard would shrink it: headless
// Chromium has no keyboard of its own.
function fakeKeyboard() {
    const fake = new EventTarget();
    window.keyboardHeight = 0;
    window.realViewport = window.visualViewport;
    Object.defineProperties(fake, {
        offsetTop: {get: () => 0},
        offsetLeft: {get: () => 0},
        scale: {get: () => 1},
        width: {get: () => innerWidth},
        height: {get: () => innerHeight - window.keyboardHeight},
    });
    Object.defineProperty(window, 'visualViewport', {get: () => fake, configurable: true});
}

const frames = page => page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));

// Every screen up lies inside the viewport above the task strip and, as each is designed, in its
// middle.
async function laidOut(page, where) {
    const {wins, vw, vh, strip} = await page.evaluate(() => ({
        vw: document.documentElement.clientWidth,
        vh: document.getElementById('strip').getBoundingClientRect().top,
        strip: document.documentElement.clientHeight - document.getElementById('strip').getBoundingClientRect().top,
        wins: [...document.querySelectorAll('.win')].filter(w => getComputedStyle(w).display !== 'none').map(w => {
            const r = w.getBoundingClientRect();
            return {name: w.dataset.screen, left: r.left, top: r.top, right: r.right, bottom: r.bottom};
        }),
    }));
    check(wins.length > 0, `${where}: screens are up`);
    check(strip >= 40, `${where}: the task strip shows under the screens (${strip} px)`);
    for (const w of wins) {
        const box = `${w.name} at ${w.left},${w.top} to ${w.right},${w.bottom} in ${vw} x ${vh}`;
        check(w.left >= 0 && w.top >= 0 && w.right <= vw && w.bottom <= vh, `${where}: ${box} lies inside`);
        check(Math.abs(w.left - (vw - w.right)) <= 2 && Math.abs(w.top - (vh - w.bottom)) <= 2,
              `${where}: ${box} is centred`);
    }
    return Object.fromEntries(wins.map(w => [w.name, w.right - w.left]));
}

async function turn(page, viewport) {
    await page.setViewport(viewport);
    await frames(page);
}

// The frame's menu title is what a finger finds at its middle, over any screen.
const menuInReach = page => page.$eval(win('MDIForm2') + ' .menu .mt', t => {
    const r = t.getBoundingClientRect();
    return t.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
});

async function main() {
    const browser = await launch();
    try {
        const {page, errors} = await pageWithErrors(browser);
        const shot = async name => shots && page.screenshot({path: path.join(shots, name + '.png')});
        if (shots) fs.mkdirSync(shots, {recursive: true});
        await page.evaluateOnNewDocument(fakeKeyboard);
        await page.setViewport(ipad);
        await page.goto('file://' + file);
        await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
        await laidOut(page, 'landscape, welcome');

        await tap(page, ctl('frmmecenaat1', 'cmdkombinnen'));
        await page.waitForSelector(win('frmbasis'), {visible: true});
        check(await shown(page) === 'MDIForm2 frmbasis', 'a tap on the start button opens the choice board');
        const wide = await laidOut(page, 'landscape, choice board');
        await shot('ipad-landscape-choice-board');

        // Neither a double tap nor a drag moves or zooms the page.
        const board = await (await page.$(win('frmbasis'))).boundingBox();
        const client = await page.target().createCDPSession();
        const touch = (type, x, y) => client.send('Input.dispatchTouchEvent', {type, touchPoints: type === 'touchEnd' ? [] : [{x, y}]});
        for (let i = 0; i < 2; ++i) {
            await touch('touchStart', board.x + 20, board.y + board.height - 20);
            await touch('touchEnd');
            await sleep(60);
        }
        // A slow drag that stops before the finger lifts: a fast one would fling, and Chromium
        // drops the tap that stops a fling.
        for (const [type, dy] of [['touchStart', 0], ['touchMove', -100], ['touchMove', -250], ['touchMove', -250], ['touchEnd', 0]]) {
            await touch(type, board.x + 30, board.y + board.height - 30 + dy);
            await sleep(100);
        }
        await sleep(300);
        const view = await page.evaluate(() => [realViewport.scale, realViewport.offsetTop, scrollY, document.body.scrollTop]);
        check(view.join() === '1,0,0,0', `a double tap and a drag leave the page as it was (scale, offset, scroll: ${view})`);
        check(await page.$eval(ctl('frmbasis', 'imgmeisje'), img => {
            const e = new MouseEvent('contextmenu', {bubbles: true, cancelable: true});
            img.dispatchEvent(e);
            return e.defaultPrevented;
        }), 'a long press on a picture brings no menu');

        // However many resize events come in one frame, the screens are laid out once.
        const layouts = await page.evaluate(() => new Promise(resolve => {
            let n = 0;
            const viewport = Module._mt_viewport;
            Module._mt_viewport = (...args) => (++n, viewport(...args));
            for (let i = 0; i < 10; ++i) dispatchEvent(new Event('resize'));
            requestAnimationFrame(() => requestAnimationFrame(() => {
                Module._mt_viewport = viewport;
                resolve(n);
            }));
        }));
        check(layouts === 1, `ten resize events, one layout (${layouts})`);

        // Portrait: the zoom the width allows, everything inside and centred.
        await turn(page, ipadPortrait);
        const narrow = await laidOut(page, 'portrait, choice board');
        const ratio = narrow.frmbasis / wide.frmbasis;
        check(Math.abs(ratio - 0.95 / 1.25) < 0.02, `the board shrinks with the zoom, 1.25 to 0.95 (${ratio.toFixed(3)})`);
        await shot('ipad-portrait-choice-board');

        // The about screen leaves the frame on: its menu is in reach either way up.
        await tap(page, ctl('frmbasis', 'cmdeinde'));
        await page.waitForSelector(win('frminfo'), {visible: true});
        check(await menuInReach(page), 'portrait: the frame\'s menu is in reach over the about screen');
        await turn(page, ipad);
        await laidOut(page, 'landscape, about');
        check(await menuInReach(page), 'landscape: the frame\'s menu is in reach over the about screen');
        await tap(page, win('MDIForm2') + ' .menu .mt');
        await tap(page, win('MDIForm2') + ' .menu .mi');
        await page.waitForSelector(win('frmbasis'), {visible: true});
        check(await shown(page) === 'MDIForm2 frmbasis frminfo', 'the menu\'s Basis, by two taps, opens the board');
        // The task strip names every window up, the board last; a tap on an entry brings that window
        // to the front and back.
        const named = await page.$$eval('#strip > button:not([hidden])', bs => bs.map(b => b.textContent));
        const captions = await page.$$eval('.win', ws => Object.fromEntries(ws.map(w => [w.dataset.screen,
                                                                                         w.querySelector('.caption').textContent])));
        check(named.length === 3 && named[2] === captions.frmbasis &&
              named.includes(captions.MDIForm2) && named.includes(captions.frminfo),
              `the task strip has an entry per window up: ${named.join(', ')}`);
        const inFront = s => page.$eval(win(s), w => {
            const r = w.getBoundingClientRect();
            return w.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
        });
        const entry = async s => `#strip > button[data-window="${await page.$eval(win(s), w => w.dataset.id)}"]`;
        await tap(page, await entry('frminfo'));
        check(await inFront('frminfo'), 'a tap on its entry brings the about screen to the front');
        await tap(page, await entry('frmbasis'));
        check(await inFront('frmbasis'), 'a tap on its entry brings the board back');

        // A drill of tens: every answer has two digits at least.
        await tap(page, ctl('frmbasis', 'Command7'));
        await page.waitForSelector(win('frmSplash'), {visible: true});
        check(await menuInReach(page), 'the frame\'s menu is in reach over the level choice');
        await tap(page, ctl('frmSplash', 'cmdhuis'));
        await page.waitForSelector(win('TafelsT'), {visible: true});
        await tap(page, ctl('TafelsT', 'cmdstarter(6)'));
        check(await text(page, 'TafelsT', 'lbluitleg') === 'Alleen tafel 7 oefenen',
              'the hint a mouse would bring by hovering comes with the tap');
        await laidOut(page, 'landscape, drill');
        check(await page.$eval(ctl('TafelsT', 'txtAntwoord'), b => b.inputMode === 'numeric' && b === document.activeElement),
              'the answer box has the focus and asks for the keyboard of digits');
        await shot('ipad-landscape-drill');

        const entries = await countEntries(page);
        const right = () => text(page, 'TafelsT', 'lblaantaljuist').then(Number);
        // The answer to the problem falling now, given one way; tried again if the problem hit the
        // ground meanwhile. Returns what the page handed to the program.
        const answer = async (how, give) => {
            for (let attempt = 0; attempt < 3; ++attempt) {
                const before = await right();
                const problem = await text(page, 'TafelsT', 'lblvalprobleem');
                const m = /^(\d+) x (\d+) = \?$/.exec(problem);
                await entries();
                await give(String(+m[1] * +m[2]));
                await page.waitForFunction((s, n) => +document.querySelector(s).textContent > n, {timeout: 3000},
                                           ctl('TafelsT', 'lblaantaljuist'), before).catch(() => {});
                const given = await entries();
                const counted = await right() - before;
                if (counted === 0 && await text(page, 'TafelsT', 'lblvalprobleem') !== problem) continue;
                check(counted === 1, `${how}: "${m[1] * m[2]}" is one right answer (counted ${counted})`);
                check(await text(page, 'TafelsT', 'txtAntwoord') === '', `${how}: the box is emptied for the next one`);
                return given;
            }
            check(false, `${how}: the problem fell away three times before its answer was in`);
            return '';
        };
        const keys = await answer('real keys', a => page.keyboard.type(a));
        check(/^(mt_key mt_edited ?){2,}$/.test(keys), `real keys: each key once, then its edit (${keys})`);
        const inserted = await answer('inserted text', a => client.send('Input.insertText', {text: a}));
        check(inserted === 'mt_typed', `inserted text: typed once, no key (${inserted})`);
        const android = await answer('a keyboard without keys', async a => {
            await client.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', key: 'Unidentified', windowsVirtualKeyCode: 229});
            await client.send('Input.insertText', {text: a});
            await client.send('Input.dispatchKeyEvent', {type: 'keyUp', key: 'Unidentified', windowsVirtualKeyCode: 229});
        });
        check(android === 'mt_key mt_typed', `key 229: the key does nothing, the text is typed (${android})`);
        // A keyboard that composes a word hands it over when the word is done, not letter by letter.
        let composing = '';
        const composed = await answer('a composed word', async a => {
            for (let i = 1; i <= a.length; ++i)
                await client.send('Input.imeSetComposition', {text: a.slice(0, i), selectionStart: i, selectionEnd: i});
            composing = await entries();
            await client.send('Input.insertText', {text: a});
        });
        check(composing === '' && composed === 'mt_typed', `composing: nothing, then typed once (${composing}; ${composed})`);

        // A letter from the on-screen keyboard brings the message box; a tap on OK closes it.
        await client.send('Input.insertText', {text: 'a'});
        await page.waitForSelector('.msgbox', {visible: true});
        check(await page.$eval('.msgbox .title', e => e.textContent) === 'Let eens op !!', 'an inserted letter brings the message box');
        await tap(page, '.msgbox .ok');
        await page.waitForSelector('.msgbox', {hidden: true});
        check(await text(page, 'TafelsT', 'txtAntwoord') === '', 'after OK the box is empty');

        // The keyboard comes up over the lower half: the box lifts above it, and comes down after.
        const boxAt = () => page.$eval(ctl('TafelsT', 'txtAntwoord'), b => b.getBoundingClientRect().toJSON());
        const down = await boxAt();
        await page.evaluate(() => {
            window.keyboardHeight = 450;
            visualViewport.dispatchEvent(new Event('resize'));
        });
        const up = await boxAt();
        check(up.bottom <= 768 - 450 && up.top >= 0, `the box shows above the keyboard (${down.top} to ${up.top}, keyboard from 318)`);
        await page.evaluate(() => {
            window.keyboardHeight = 0;
            visualViewport.dispatchEvent(new Event('resize'));
        });
        check((await boxAt()).top === down.top, 'and goes back when the keyboard goes');

        // Behind another tab it stands still, and goes on where it was.
        const state = async () => [+(await text(page, 'TafelsT', 'Lblchrono')),
                                   await page.$eval(ctl('TafelsT', 'lblvalprobleem'), e => e.style.transform)];
        const other = await browser.newPage();
        await other.bringToFront();
        await page.waitForFunction(() => document.hidden, {polling: 50});
        const asHidden = await state();
        await sleep(2500);
        const later = await state();
        check(later.join() === asHidden.join(), `hidden, the countdown and the problem stand still (${asHidden} then ${later})`);
        await page.bringToFront();
        await other.close();
        await sleep(2000);
        // 2 s in view: one tick or two (three for a late one); the hidden 2.5 s would make it four.
        const back = await state();
        check(asHidden[0] - back[0] >= 1 && asHidden[0] - back[0] <= 3 && back[1] !== asHidden[1],
              `back in view both go on, without the hidden time (${asHidden[0]} s, then ${back[0]} s)`);

        // Turned in the middle of a run.
        await turn(page, ipadPortrait);
        await laidOut(page, 'portrait, drill');
        await shot('ipad-portrait-drill');
        await turn(page, ipad);
        await laidOut(page, 'landscape again, drill');
        check(errors.length === 0, `no errors in the page: ${errors.join('; ')}`);
        await page.close();

        // A Chromebook's window: the same two screens at its zoom.
        const cb = await browser.newPage();
        await cb.setViewport(chromebook);
        await cb.goto('file://' + file);
        await tap(cb, ctl('frmmecenaat1', 'cmdkombinnen'));
        await cb.waitForSelector(win('frmbasis'), {visible: true});
        await laidOut(cb, 'chromebook, choice board');
        if (shots) await cb.screenshot({path: path.join(shots, 'chromebook-choice-board.png')});
        await tap(cb, ctl('frmbasis', 'Command7'));
        await tap(cb, ctl('frmSplash', 'cmdvervoer'));
        await tap(cb, ctl('TafelsE', 'cmdstarter(6)'));
        await laidOut(cb, 'chromebook, drill');
        await sleep(1000);
        if (shots) await cb.screenshot({path: path.join(shots, 'chromebook-drill.png')});
    } finally {
        await browser.close();
    }
}

run(main);
