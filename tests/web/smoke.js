// SPDX-License-Identifier: GPL-3.0-or-later
// A child's visit to the one-file build in real Chromium, with real mouse and keys: welcome,
// choice board, level choice, a drill with a right answer and a letter's message box, the about
// screen. Usage: node smoke.js PAGE.html [SHOTS_DIR]. Exit 77 (skipped) without a web build.
'use strict';
const fs = require('fs');
const path = require('path');
const lib = require('./lib.js');

const file = path.resolve(process.argv[2] || 'build/web/maaltafels.html');
const shots = process.argv[3];
const {launch} = lib.browserOrSkip(file);
const {check, win, ctl, sleep} = lib;

lib.run(async () => {
    const browser = await launch({width: 1366, height: 768});
    try {
        const {page, errors} = await lib.pageWithErrors(browser);
        const shot = async name => shots && page.screenshot({path: path.join(shots, name + '.png')});
        const visible = s => page.$eval(win(s), w => getComputedStyle(w).display !== 'none').catch(() => false);
        const shown = () => lib.shown(page);
        const text = (s, c) => lib.text(page, s, c);
        const focused = () => page.evaluate(() => {
            const a = document.activeElement;
            const w = a && a.closest('.win');
            return w ? `${w.dataset.screen}.${a.dataset.name || ''}` : '';
        });
        if (shots) fs.mkdirSync(shots, {recursive: true});

        await page.goto('file://' + file);
        await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
        check(await shown() === 'MDIForm2 frmmecenaat1', 'the frame and the welcome screen come up');
        check(await page.$eval(win('frmmecenaat1'), w => w.getAttribute('role') === 'dialog' &&
                               w.getAttribute('aria-label') === 'Welkom'), 'the welcome screen is a dialog named Welkom');
        check(await page.$eval(win('MDIForm2') + ' .menu .mt', e => e.textContent) === 'OPENEN ', 'the frame has its menu');
        await shot('welcome');

        // The mouse, through the DevTools Input domain.
        await page.click(ctl('frmmecenaat1', 'cmdkombinnen'));
        await page.waitForSelector(win('frmbasis'), {visible: true});
        check(await shown() === 'MDIForm2 frmbasis', 'the start button opens the choice board');
        check(await page.$eval(win('frmbasis'), w => w.getAttribute('aria-label')) === 'Keuzebord', 'named Keuzebord');
        check(await page.$eval(ctl('frmbasis', 'cmdeinde'), b => b.tagName === 'BUTTON' && b.getAttribute('aria-label') === 'Stop'),
              'the stop picture is a button named Stop');
        check(await page.$eval(win('MDIForm2'), w => w.hasAttribute('inert')), 'the frame is off while the board is up');
        // The focus ring: two rings, dark outside, light inside.
        const ring = await page.$eval(`${win('frmbasis')} button:focus`, b => getComputedStyle(b).boxShadow);
        check(/rgb\(0, 0, 0\) 0px 0px 0px 1px inset.*rgb\(255, 255, 255\) 0px 0px 0px 4px inset/.test(ring),
              `the focused button wears its rings (${ring})`);
        await shot('choice-board');

        await page.click(ctl('frmbasis', 'Command7'));
        await page.waitForSelector(win('frmSplash'), {visible: true});
        check(await focused() === 'frmSplash.cmdvervoer', 'the level choice opens on its first level');
        await shot('level-choice');
        // Tab and Enter, as the desktop takes them: Tab to "10", Shift+Tab back to "1", Enter opens it.
        await page.keyboard.press('Tab');
        check(await focused() === 'frmSplash.cmdhuis', 'Tab moves to the next level');
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        check(await focused() === 'frmSplash.cmdvervoer', 'Shift+Tab moves back');
        await page.keyboard.press('Enter');
        await page.waitForSelector(win('TafelsE'), {visible: true});
        check(await shown() === 'MDIForm2 TafelsE', 'Enter on "1" opens the drill');

        await page.click(ctl('TafelsE', 'cmdstarter(6)'));
        check(await focused() === 'TafelsE.txtAntwoord', 'the answer box has the focus in a run');
        const problem = await text('TafelsE', 'lblvalprobleem');
        const m = /^(\d+) x (\d+) = \?$/.exec(problem);
        check(m !== null, `a problem falls: "${problem}"`);
        await page.keyboard.type(String(+m[1] * +m[2]));
        await page.waitForFunction(s => document.querySelector(s).textContent === '1', {timeout: 2000},
                                   ctl('TafelsE', 'lblaantaljuist')).catch(() => {});
        check(await text('TafelsE', 'lblaantaljuist') === '1', 'a right answer is counted');
        check(await text('TafelsE', 'txtAntwoord') === '', 'and the answer box is emptied');
        await shot('drill-run');

        // A letter: the message box, modal; the falling problem waits for OK.
        const top = () => page.$eval(ctl('TafelsE', 'lblvalprobleem'), e => e.style.transform);
        await page.keyboard.type('a');
        await page.waitForSelector('.msgbox', {visible: true});
        check(await page.$eval('.msgbox .title', e => e.textContent) === 'Let eens op !!', 'the box has its title');
        check(await page.$eval('.msgtext', e => e.textContent) === 'Je mag alleen cijfers invoegen', 'and its text');
        check(await text('TafelsE', 'txtAntwoord') === 'a', 'the letter stays until OK');
        await shot('message-box');
        const before = await top();
        await sleep(600);
        check(await top() === before, 'the problem does not fall while the box is open');
        await page.click(ctl('TafelsE', 'cmdstop')).catch(() => {});
        check(await page.$('.msgbox') !== null, 'a click elsewhere does not close the box');
        await page.keyboard.press('Enter');
        await page.waitForSelector('.msgbox', {hidden: true});
        check(await text('TafelsE', 'txtAntwoord') === '', 'after OK the answer box is emptied');
        check(await focused() === 'TafelsE.txtAntwoord', 'and has the focus back');
        await sleep(400);
        check(await top() !== before, 'the problem falls on after OK');
        // The countdown on the browser's clock: a second a second.
        const chrono = async () => +(await text('TafelsE', 'Lblchrono'));
        const fromCount = await chrono(), from = Date.now();
        await sleep(3000);
        const counted = fromCount - await chrono(), seconds = (Date.now() - from) / 1000;
        check(Math.abs(counted - seconds) <= 1, `the countdown goes down a second a second (${counted} in ${seconds} s)`);

        // The menu's Basis, then the stop picture on the board: the about screen.
        await page.keyboard.down('Control');
        await page.keyboard.press('s');
        await page.keyboard.up('Control');
        check(await visible('TafelsE'), 'Ctrl+S does nothing while the frame is off');
        await sleep(61500);
        await page.waitForSelector(ctl('TafelsE', 'cmdstop'), {visible: true});
        await shot('drill-verdict');
        check(await chrono() === 0, 'the countdown ends at 0');
        const verdict = (await text('TafelsE', 'lblmemo')).trim();
        check(['Dat is SUPER', 'Dat is prima', 'Dat gaat al aardig', 'Nog wat oefenen', 'Dat is te traag'].includes(verdict),
              `the run ends with a verdict ("${verdict}")`);
        check(await text('TafelsE', 'lblaantaljuist') === '1', 'that counts the one right answer');
        await page.click(ctl('TafelsE', 'cmdstop'));
        await page.waitForSelector(win('TafelsE'), {hidden: true});
        check(await shown() === 'MDIForm2 frmSplash', 'stop goes back to the level choice');
        check(await page.$eval(win('MDIForm2'), w => !w.hasAttribute('inert')), 'with the frame on');
        await page.click(win('MDIForm2') + ' .menu .mt');
        await page.click(win('MDIForm2') + ' .menu .mi');
        await page.waitForSelector(win('frmbasis'), {visible: true});
        check(await shown() === 'MDIForm2 frmSplash frmbasis', 'the menu\'s Basis opens the choice board');
        await page.click(ctl('frmbasis', 'cmdeinde'));
        await page.waitForSelector(win('frminfo'), {visible: true});
        await sleep(1500);
        const status = await page.$eval(ctl('frminfo', 'StatusBar1') + ' .sp', e => e.textContent);
        check(/^ +Kwispelwerk/.test(status), `the about screen scrolls the maker's name in ("${status}")`);
        await shot('about');
        check(errors.length === 0, `no errors in the page: ${errors.join('; ')}`);
    } finally {
        await browser.close();
    }
});
