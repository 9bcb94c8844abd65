// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures beside their references from the same run: size of the one file, time from
// navigation to the welcome screen painted (beside an empty page), time from a click on each
// choice-board button to its screen painted, the renderer's CPU over a whole drill run.
// Usage: node tools/web/bench.js [build/web/maaltafels.html]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {launch} = require('./browser.js');

const file = path.resolve(process.argv[2] || 'build/web/maaltafels.html');
const win = s => `.win[data-screen="${s}"]`;
const ctl = (s, c) => `${win(s)} [data-name="${c}"]`;
const median = xs => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const sleep = ms => new Promise(r => setTimeout(r, ms));

// In the page: the time of the first frame painted after `ready()` holds, from navigation start.
const paintedWhen = ready => new Promise(resolve => {
    const look = () => ready() ? requestAnimationFrame(() => setTimeout(() => resolve(performance.now()))) : setTimeout(look, 1);
    look();
});

async function renderer(browser) {
    const pids = [];
    for (const dir of fs.readdirSync('/proc').filter(d => /^\d+$/.test(d))) {
        try {
            const cmd = fs.readFileSync(`/proc/${dir}/cmdline`, 'utf8');
            if (cmd.includes('--type=renderer') && cmd.includes(browser.process().spawnargs.find(a => a.startsWith('--user-data-dir'))))
                pids.push(+dir);
        } catch (e) { /* gone */ }
    }
    return pids;
}
function cpuSeconds(pid) {
    const fields = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
    return (+fields[11] + +fields[12]) / 100; // clock ticks of 1/100 s
}

(async () => {
    console.log(`load average: ${os.loadavg().map(l => l.toFixed(1)).join(' ')} on ${os.cpus().length} cores`);
    const raw = fs.readFileSync(file);
    console.log(`one file: ${raw.length} bytes, ${zlib.gzipSync(raw, {level: 9}).length} gzip (budget 300 kB gzip)`);
    const empty = path.join(os.tmpdir(), 'maaltafels-empty.html');
    fs.writeFileSync(empty, '<!doctype html><html><body></body></html>');

    const browser = await launch({width: 1366, height: 768});
    try {
        const page = await browser.newPage();
        const emptyTimes = [], welcomeTimes = [];
        for (let i = 0; i < 5; ++i) {
            await page.goto('file://' + empty);
            emptyTimes.push(await page.evaluate(`(${paintedWhen})(() => document.body !== null)`));
            await page.goto('file://' + file, {waitUntil: 'domcontentloaded'});
            welcomeTimes.push(await page.evaluate(`(${paintedWhen})(() => { const w = document.querySelector('${win('frmmecenaat1')}'); return w && w.style.display !== 'none'; })`));
        }
        const e = median(emptyTimes), w = median(welcomeTimes);
        console.log(`navigation to painted, median of 5: empty page ${e.toFixed(0)} ms, welcome screen ${w.toFixed(0)} ms` +
                    ` (+${(w - e).toFixed(0)} ms; budget +150 ms)`);

        const buttons = ['Command2', 'Command3', 'Command4', 'cmdkwartier', 'Command8', 'Command1', 'Command5',
                         'Command9', 'Command6', 'Command7', 'cmdeinde'];
        const opened = [];
        for (const b of buttons) {
            const times = [];
            let screen = '';
            for (let run = 0; run < 3; ++run) {
                await page.goto('file://' + file);
                await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
                await page.click(ctl('frmmecenaat1', 'cmdkombinnen'));
                await page.waitForSelector(win('frmbasis'), {visible: true});
                // A child looks at the board before choosing; the page parses its pictures meanwhile.
                await sleep(1000);
                await page.evaluate(() => {
                    window.clicked = 0;
                    document.addEventListener('click', e => { window.clicked = e.timeStamp; }, {capture: true, once: true});
                });
                await page.click(ctl('frmbasis', b));
                times.push(await page.evaluate(`(${paintedWhen})(() => document.querySelector('${win('frmbasis')}').style.display === 'none').then(t => t - window.clicked)`));
                screen = await page.$$eval('.win', ws => ws.filter(w => w.style.display !== 'none' && w.dataset.screen !== 'MDIForm2')
                                                           .map(w => `${w.dataset.screen} (${w.querySelectorAll('[data-id]').length} elements)`).join(' '));
            }
            opened.push(median(times));
            console.log(`click on ${b} to ${screen} painted, median of 3: ${median(times).toFixed(1)} ms`);
        }
        console.log(`slowest screen: ${Math.max(...opened).toFixed(1)} ms (budget 50 ms)`);

        // A 61-second drill run on the browser's clock, the renderer's CPU time over it.
        await page.goto('file://' + file);
        await page.waitForSelector(ctl('frmmecenaat1', 'cmdkombinnen'), {visible: true});
        await page.click(ctl('frmmecenaat1', 'cmdkombinnen'));
        await page.click(ctl('frmbasis', 'Command7'));
        await page.click(ctl('frmSplash', 'cmdvervoer'));
        await page.mouse.move(5, 5);
        const pids = await renderer(browser);
        const before = pids.map(cpuSeconds).reduce((a, b) => a + b, 0);
        const start = Date.now();
        await page.click(ctl('TafelsE', 'cmdstarter(6)'));
        // Waited out from here: a wait in the page (puppeteer polls every frame) would cost CPU itself.
        await sleep(61500);
        await page.waitForSelector(ctl('TafelsE', 'cmdstop'), {visible: true});
        const seconds = (Date.now() - start) / 1000;
        const used = pids.map(cpuSeconds).reduce((a, b) => a + b, 0) - before;
        console.log(`drill run of ${seconds.toFixed(1)} s: renderer ${used.toFixed(2)} s CPU, ${(100 * used / seconds).toFixed(1)} % of a core (budget 2 %)`);
        const metrics = await page.metrics();
        console.log(`page's JS heap after the run: ${(metrics.JSHeapUsedSize / 1048576).toFixed(1)} MB`);
    } finally {
        await browser.close();
    }
})().catch(e => {
    console.error(e);
    process.exit(1);
});
