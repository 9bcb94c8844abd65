// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario page's side of the runner's web driver (tools/scenario/webdriver.cpp): it finds the
// spot where an input goes, has node give it through the DevTools protocol (window.mtInput, from
// tools/web/run-scenarios.js), and answers once the page's own listeners have handled it.
Module.scenarioPage = (function () {
    'use strict';

    // The events that reached the page, counted once its own listeners (page.js) have had them.
    const seen = {};
    for (const type of ['mouseup', 'click', 'mousemove', 'keyup', 'input', 'focusin'])
        window.addEventListener(type, () => { seen[type] = (seen[type] || 0) + 1; });
    const count = type => seen[type] || 0;

    function until(test, what) {
        return new Promise(resolve => {
            const start = performance.now();
            const look = () => {
                if (test()) resolve('');
                else if (performance.now() - start > 5000) resolve('the page never took ' + what);
                else setTimeout(look, 1);
            };
            look();
        });
    }

    const element = id => document.querySelector(`[data-id="${id}"]`);
    const windowOf = id => document.querySelector(`.win[data-id="${id}"]`);
    // Where the mouse lands on the element (a control, or a part of one such as a close box or a
    // menu's title): in it, with no other control in between; or on what holds it when the mouse
    // passes through it (a text box that only shows), as a click there reaches the holder.
    const controlOf = e => e.closest('[data-name], .win');
    const owns = el => {
        const own = controlOf(el);
        const holder = getComputedStyle(el).pointerEvents === 'none' && el.parentElement
                           ? controlOf(el.parentElement) : null;
        return hit => !!hit && ((el.contains(hit) && controlOf(hit) === own) || (!!holder && controlOf(hit) === holder));
    };

    // While the runner waits for an input (ASYNCIFY), its stack is put aside; the page's own calls
    // into the program (page.js: ccall for keys and edits) must not take that wait for one of
    // theirs, or the runner's call would never be answered.
    function plainCalls() {
        const ccall = Module.ccall;
        Module.ccall = function (name, returns, types, args, opts) {
            if (opts && opts.async) return ccall(name, returns, types, args, opts);
            const waiting = Asyncify.currData;
            Asyncify.currData = null;
            try {
                return ccall(name, returns, types, args, opts);
            } finally {
                Asyncify.currData = waiting;
            }
        };
    }
    Module.postRun = (Module.postRun || []).concat([plainCalls]);

    function describe(el) {
        if (!el) return 'nothing';
        const named = el.closest('[data-name]');
        const win = el.closest('.win');
        return (win ? win.dataset.screen : 'the page') + (named ? '.' + named.dataset.name : '');
    }

    // A point of the element where the mouse lands on it and on nothing in front of it: the centre
    // if it can, else the first of a grid over it.
    function spot(el, test) {
        return spotWhere(el, p => test(document.elementFromPoint(p.x, p.y)));
    }
    function spotWhere(el, test) {
        const r = el.getBoundingClientRect();
        const at = (fx, fy) => ({x: Math.round(r.left + r.width * fx), y: Math.round(r.top + r.height * fy)});
        const tries = [at(0.5, 0.5)];
        for (let fy = 0.1; fy < 1; fy += 0.2)
            for (let fx = 0.1; fx < 1; fx += 0.2) tries.push(at(fx, fy));
        return tries.find(test) || null;
    }

    // On an emulated tablet (run-scenarios.js --touch) a click is a tap, and typing is text.
    const tablet = () => window.mtTablet === true;

    async function press(at, what) {
        // A tap's click comes after the browser's wait for a second tap.
        const event = tablet() ? 'click' : 'mouseup';
        const before = count(event);
        await window.mtInput({type: tablet() ? 'tap' : 'click', x: at.x, y: at.y});
        return until(() => count(event) > before, what);
    }

    // Why the mouse cannot get at the element, bringing its window to the front first if it must;
    // '' when it can. Reads the page only.
    function covered(id) {
        let el = element(id);
        if (!el) return 'it has no element in the page';
        // A menu entry is reached through its menu's title.
        if (el.classList.contains('mi')) el = el.closest('.menu').querySelector('.mt');
        const test = owns(el);
        if (spot(el, test)) return '';
        const win = el.closest('.win');
        const r = el.getBoundingClientRect();
        const inFront = describe(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
        // Of what is at a point, what its own window shows there.
        const ownAt = p => document.elementsFromPoint(p.x, p.y).find(h => win && win.contains(h));
        if (!win || !spotWhere(el, p => test(ownAt(p)))) return inFront + ' is in front of it';
        return entrySpot(win) ? '' : `${inFront} is in front of it and ${win.dataset.screen} has no entry in the task strip`;
    }

    // The child brings a window to the front by its title bar, or by its entry in the task strip.
    function titleSpot(win) {
        const bar = win.querySelector(':scope > .title');
        return spot(bar, hit => !!hit && bar.contains(hit) && !hit.closest('.close'));
    }
    const entryOf = win => document.querySelector(`#strip > button[data-window="${win.dataset.id}"]`);
    function entrySpot(win) {
        const entry = entryOf(win);
        return entry && !entry.hidden ? spot(entry, hit => hit === entry) : null;
    }
    function toFront(win) {
        const at = entrySpot(win);
        return at ? press(at, 'the click on the entry of ' + win.dataset.screen + ' in the task strip')
                  : Promise.resolve(`${win.dataset.screen} has no entry in the task strip`);
    }

    async function click(el, what) {
        if (!el) return 'no element for ' + what;
        let at = spot(el, owns(el));
        const win = el.closest('.win');
        if (!at && win) {
            const error = await toFront(win);
            if (error) return error;
            at = spot(el, owns(el));
        }
        if (!at) {
            const r = el.getBoundingClientRect();
            return `${describe(el)} cannot be clicked: ${describe(document.elementFromPoint(
                r.left + r.width / 2, r.top + r.height / 2))} is in front of it`;
        }
        return press(at, 'the click on ' + describe(el));
    }

    let mouse = null;
    async function move(at, what) {
        // The same spot again is no move at all.
        if (mouse && mouse.x === at.x && mouse.y === at.y) at = {x: at.x + 1, y: at.y};
        mouse = at;
        const before = count('mousemove');
        await window.mtInput({type: 'move', x: at.x, y: at.y});
        return until(() => count('mousemove') > before, what);
    }

    // A bare spot of the window, where the mouse is on the window itself.
    function bareSpot(win) {
        const client = win && win.querySelector('.client');
        return client && spot(client, hit => hit === client);
    }
    function windowCovered(id) {
        const win = windowOf(id);
        return bareSpot(win) ? '' : 'no bare spot of it is in front';
    }

    async function hover(req) {
        if (req.window) {
            const win = windowOf(req.window);
            const at = bareSpot(win);
            return at ? move(at, 'the mouse over ' + win.dataset.screen)
                      : `${describe(win)} has no bare spot for the mouse`;
        }
        const el = element(req.id);
        const at = el && spot(el, owns(el));
        return at ? move(at, 'the mouse over ' + describe(el)) : `${describe(el)} cannot be reached by the mouse`;
    }

    async function key(req) {
        if (tablet()) {
            if (!req.text) return `a tablet's keyboard has no key ${req.key}`;
            const before = count('input');
            await window.mtInput({type: 'insert', text: req.text});
            return until(() => count('input') > before, `the text ${JSON.stringify(req.text)}`);
        }
        const before = count('keyup');
        await window.mtInput(Object.assign({type: 'key'}, req));
        return until(() => count('keyup') > before, `the key ${JSON.stringify(req.key)}`);
    }

    async function give(req) {
        switch (req.kind) {
        case 'click':
            return click(element(req.id), 'the click');
        case 'menu': {
            const menu = element(req.menu);
            const error = await click(menu && menu.querySelector('.mt'), 'the menu title');
            return error || click(element(req.item), 'the menu entry');
        }
        case 'close': {
            const win = windowOf(req.window);
            return click(win && win.querySelector('.title > .close'), 'the close box');
        }
        case 'hover':
            return hover(req);
        case 'activate': {
            const win = windowOf(req.window);
            if (!win) return 'no window to activate';
            if (win.contains(document.activeElement)) return '';
            const bar = titleSpot(win);
            return bar ? press(bar, 'the click on the title bar of ' + win.dataset.screen) : toFront(win);
        }
        case 'focus': {
            const el = element(req.id);
            if (!el) return 'no text box to focus';
            if (document.activeElement === el) return '';
            await window.mtInput({type: 'focus', id: req.id});
            return until(() => document.activeElement === el, 'the focus in ' + describe(el));
        }
        case 'key':
            return key(req);
        case 'paste': {
            const el = element(req.id);
            if (document.activeElement !== el) return `${describe(el)} does not have the focus for the paste`;
            const before = {input: count('input'), keyup: count('keyup')};
            await window.mtInput({type: 'paste', id: req.id, text: req.text});
            // Emptying an empty box changes nothing and says so with no input event.
            return until(() => count('input') > before.input || (req.text === '' && count('keyup') > before.keyup),
                         'the paste in ' + describe(el));
        }
        case 'shot':
            return window.mtInput({type: 'shot', window: req.window, file: req.file});
        }
        return 'unknown input ' + req.kind;
    }

    // A walk's lines as it carries them out, kept outside the page.
    function journal(op, line) {
        window.mtJournal(op, line);
    }

    // An input that failed outside the page is a failure of the scenario, not a hang.
    const answer = req => give(req).catch(e => 'the input failed: ' + (e && e.message));

    return {give: answer, journal, covered, windowCovered};
})();
