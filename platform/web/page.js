// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of the browser binding: the elements the binding (webbinding.cpp) asks for, by
// number, and the child's input handed back to it. It decides nothing the program decides.
Module.page = (function () {
    'use strict';

    const TAG = ['Label', 'Input', 'Button', 'Panel', 'Shape', 'Line', 'StatusBar', 'StatusPanel', 'Progress',
                 'Menu', 'MenuItem'];
    const els = [];             // element number -> element
    const windows = new Map();  // window number -> its parts
    const timers = new Map();   // timer handle -> schedule
    const pendingTicks = new Set();
    const pictureUrls = new Map();
    let desk = null, strip = null, canvas = null, topZ = 10, asleep = false, openMenu = null;
    // The viewport, read once a resize is over rather than at every use: reading it from the
    // document would lay out a screen that is half built.
    let viewport = null;

    function div(cls, parent) {
        const d = document.createElement('div');
        if (cls) d.className = cls;
        if (parent) parent.appendChild(d);
        return d;
    }

    // Calls into the program; none while a message box waits, as nothing else takes input then.
    function call(name, ...args) {
        if (asleep) return undefined;
        return Module[name](...args);
    }
    function callText(name, returns, types, args) {
        if (asleep) return undefined;
        return Module.ccall(name, returns, types, args);
    }

    // The picture's URL, made once: every element showing it shares one decoded image.
    function pictureUrl(name) {
        let url = pictureUrls.get(name);
        if (!url) {
            const svg = MT_ASSETS.pictures[name];
            if (svg === undefined) throw new Error('picture missing from the build: ' + name);
            url = URL.createObjectURL(new Blob([svg[0]], {type: 'image/svg+xml'}));
            pictureUrls.set(name, url);
        }
        return url;
    }

    // "&Basis": the letter after "&" is the access key, "&&" a real ampersand.
    function setMnemonicText(el, text) {
        el.textContent = '';
        const parts = text.split('&&');
        parts.forEach((part, i) => {
            if (i > 0) el.appendChild(document.createTextNode('&'));
            const at = part.indexOf('&');
            if (at < 0 || at + 1 >= part.length) {
                el.appendChild(document.createTextNode(part.replace('&', '')));
                return;
            }
            el.appendChild(document.createTextNode(part.slice(0, at)));
            const u = document.createElement('u');
            u.textContent = part[at + 1];
            el.appendChild(u);
            el.appendChild(document.createTextNode(part.slice(at + 2)));
        });
    }

    function clockText(kind) {
        const now = new Date();
        const two = n => String(n).padStart(2, '0');
        return kind === 'date' ? two(now.getDate()) + '-' + two(now.getMonth() + 1) + '-' + now.getFullYear()
                               : two(now.getHours()) + ':' + two(now.getMinutes());
    }

    function closeMenus() {
        if (openMenu) openMenu.classList.remove('open');
        openMenu = null;
    }

    const page = {
        prepared: false,

        createWindow(id, menuBar) {
            const win = div('win');
            win.setAttribute('role', 'dialog');
            win.tabIndex = -1;
            win.style.display = 'none';
            win.dataset.id = id;
            const title = div('title', win);
            title.dataset.id = 0;
            const caption = div('caption', title);
            caption.setAttribute('aria-hidden', 'true');
            const close = document.createElement('button');
            close.className = 'close';
            close.type = 'button';
            close.tabIndex = -1;
            close.setAttribute('aria-label', 'Sluiten');
            close.textContent = '\u00d7';
            title.appendChild(close);
            const body = div('body', win);
            const bar = menuBar ? div('menubar', body) : null;
            if (bar) bar.setAttribute('role', 'menubar');
            const client = div('client', body);
            client.dataset.id = id;
            windows.set(id, {win, caption, close, bar, client, entry: stripEntry(id)});
            els[id] = win;
            desk.appendChild(win);
        },

        create(id, tag, parent) {
            const kind = TAG[tag];
            const w = windows.get(parent);
            let el, into = w ? w.client : els[parent];
            switch (kind) {
            case 'Label': el = div('l'); break;
            case 'Input':
                el = document.createElement('input');
                el.type = 'text';
                el.className = 't';
                el.tabIndex = -1;
                el.autocomplete = 'off';
                el.spellcheck = false;
                break;
            case 'Button':
                el = document.createElement('button');
                el.type = 'button';
                el.className = 'b';
                el.tabIndex = -1;
                div('cap', el);
                break;
            case 'Panel': el = div('p'); div('edge', el); break;
            case 'Shape': el = div('s'); break;
            case 'Line': el = div('ln'); break;
            case 'StatusBar': el = div('sb'); break;
            case 'StatusPanel': el = div('sp'); break;
            case 'Progress': el = div('pg'); break;
            case 'Menu': {
                el = div('menu');
                const title = document.createElement('button');
                title.type = 'button';
                title.className = 'mt';
                title.tabIndex = -1;
                title.setAttribute('aria-haspopup', 'menu');
                el.appendChild(title);
                div('items', el).setAttribute('role', 'menu');
                into = w ? w.bar : into;
                break;
            }
            case 'MenuItem':
                el = document.createElement('button');
                el.type = 'button';
                el.className = 'mi';
                el.tabIndex = -1;
                el.setAttribute('role', 'menuitem');
                into = into.querySelector('.items');
                break;
            }
            el.dataset.id = id;
            els[id] = el;
            into.appendChild(el);
        },

        remove(id) {
            const w = windows.get(id);
            if (!w) return;
            for (const el of w.win.querySelectorAll('[data-id]')) delete els[+el.dataset.id];
            w.win.remove();
            w.entry.remove();
            windows.delete(id);
            delete els[id];
        },

        style(id, property, value) {
            const el = els[id];
            if (property === 'display' && windows.has(id)) showEntry(windows.get(id).entry, value !== 'none');
            if (value === '') el.style.removeProperty(property);
            else el.style.setProperty(property, value);
        },

        styles(id, declarations) {
            els[id].style.cssText = declarations;
        },

        attribute(id, name, value) {
            const el = els[id];
            switch (name) {
            case 'value':
                if (el.value !== value) el.value = value;
                return;
            case 'disabled':
                el.disabled = value !== '';
                return;
            case 'readonly':
                el.readOnly = value !== '';
                return;
            case 'inert':
                if (windows.has(id)) windows.get(id).entry.classList.toggle('off', value !== '');
                break;
            case 'data-clock':
                el.textContent = clockText(value);
                return;
            case 'data-shortcut': {
                let s = el.querySelector('.key');
                if (!s) s = div('key', el);
                s.textContent = value;
                if (value) el.setAttribute('aria-keyshortcuts', value.replace('Ctrl', 'Control'));
                return;
            }
            }
            if (value === '') el.removeAttribute(name);
            else el.setAttribute(name, value);
        },

        text(id, text) {
            const w = windows.get(id);
            if (w) {
                w.caption.textContent = text;
                w.entry.textContent = text;
                return;
            }
            const el = els[id];
            if (el.classList.contains('b')) {
                el.querySelector('.cap').textContent = text;
            } else if (el.classList.contains('p')) {
                let t = el.querySelector(':scope > .ti');
                if (!t && text) t = div('ti', el);
                if (t) t.textContent = text;
                el.classList.toggle('titled', text !== '');
            } else if (el.classList.contains('menu')) {
                setMnemonicText(el.querySelector('.mt'), text);
            } else if (el.classList.contains('mi')) {
                let label = el.querySelector('.label');
                if (!label) {
                    label = document.createElement('span');
                    label.className = 'label';
                    el.insertBefore(label, el.firstChild);
                }
                setMnemonicText(label, text);
            } else {
                el.textContent = text;
            }
        },

        picture(id, name) {
            const el = els[id];
            let img = el.querySelector(':scope > img');
            if (!name) {
                if (img) img.remove();
                return;
            }
            if (!img) {
                img = document.createElement('img');
                img.alt = '';
                img.draggable = false;
                img.decoding = 'sync';
                el.insertBefore(img, el.firstChild);
            }
            img.src = pictureUrl(name);
        },

        focus(id) {
            const el = els[id];
            if (el) el.focus({preventScroll: true});
        },

        raise(id) {
            els[id].style.zIndex = String(++topZ);
        },

        // The desk's: the page less the task strip.
        viewportWidth() {
            if (!viewport) viewport = [desk.clientWidth, desk.clientHeight];
            return viewport[0];
        },

        viewportHeight() {
            page.viewportWidth();
            return viewport[1];
        },

        textWidth(text, font) {
            if (!canvas) canvas = document.createElement('canvas').getContext('2d');
            canvas.font = font;
            return canvas.measureText(text).width;
        },

        pictureAspect(name) {
            const svg = MT_ASSETS.pictures[name];
            return svg ? svg[1] : 0;
        },

        // Timers on the browser's clock: due at start + k * interval, never drifting; a tick that
        // comes more than a whole interval late lets the missed ones go.
        startTimer(handle, interval) {
            const t = {interval, next: performance.now() + interval, id: 0, fire: null};
            const fire = t.fire = () => {
                const now = performance.now();
                do t.next += t.interval; while (t.next <= now);
                t.id = setTimeout(fire, t.next - now);
                if (asleep) pendingTicks.add(handle);
                else Module._mt_tick(handle);
            };
            t.id = setTimeout(fire, interval);
            timers.set(handle, t);
        },

        stopTimer(handle) {
            const t = timers.get(handle);
            if (t) clearTimeout(t.id);
            timers.delete(handle);
            pendingTicks.delete(handle);
        },

        // Modal: the program waits in it; OK lets the handler run on, and then the ticks that came
        // meanwhile, one per timer.
        messageBox(text, title, done) {
            asleep = true;
            closeMenus();
            const had = document.activeElement;
            const shade = div('shade', document.body);
            const box = div('msgbox', shade);
            box.setAttribute('role', 'alertdialog');
            box.setAttribute('aria-modal', 'true');
            const head = div('title', box);
            const caption = div('caption', head);
            caption.id = 'msgbox-title';
            caption.textContent = title;
            box.setAttribute('aria-labelledby', 'msgbox-title');
            const body = div('msgbody', box);
            const icon = div('icon', body);
            icon.setAttribute('aria-hidden', 'true');
            icon.textContent = 'i';
            const words = div('msgtext', body);
            words.id = 'msgbox-text';
            words.textContent = text;
            box.setAttribute('aria-describedby', 'msgbox-text');
            const ok = document.createElement('button');
            ok.type = 'button';
            ok.className = 'ok';
            ok.textContent = 'OK';
            div('buttons', box).appendChild(ok);
            let closed = false;
            const close = () => {
                if (closed) return;
                closed = true;
                shade.remove();
                if (had && had.isConnected) had.focus({preventScroll: true});
                asleep = false;
                done();
                if (asleep) return;
                const ticks = [...pendingTicks];
                pendingTicks.clear();
                for (const h of ticks) if (timers.has(h)) call('_mt_tick', h);
            };
            ok.addEventListener('click', close);
            box.addEventListener('keydown', e => {
                e.stopPropagation();
                if (e.key === 'Enter' || e.key === ' ' || e.key === 'Escape') {
                    e.preventDefault();
                    close();
                } else if (e.key === 'Tab') {
                    e.preventDefault();
                }
            });
            box.addEventListener('keyup', e => {
                e.stopPropagation();
                e.preventDefault();
            });
            ok.focus({preventScroll: true});
        },
    };

    function idOf(target) {
        const el = target && target.closest ? target.closest('[data-id]') : null;
        return el ? +el.dataset.id : 0;
    }

    function windowOf(target) {
        const win = target && target.closest ? target.closest('.win') : null;
        return win ? +win.dataset.id : 0;
    }

    // ---- The task strip: an entry per open window, as the desktop's task bar has ----

    function stripEntry(id) {
        const entry = document.createElement('button');
        entry.type = 'button';
        entry.tabIndex = -1;
        entry.hidden = true;
        entry.dataset.window = id;
        strip.appendChild(entry);
        return entry;
    }

    // A window that comes up takes the last place, as on a task bar.
    function showEntry(entry, shown) {
        if (shown && entry.hidden) strip.appendChild(entry);
        entry.hidden = !shown;
    }

    function listenToStrip() {
        // The focus stays in the window the child was using until the program moves it.
        strip.addEventListener('mousedown', e => e.preventDefault());
        strip.addEventListener('contextmenu', e => e.preventDefault());
        strip.addEventListener('click', e => {
            const entry = e.target.closest('button');
            if (!entry) return;
            closeMenus();
            call('_mt_bring_forward', +entry.dataset.window);
        });
        desk.addEventListener('focusin', e => {
            const id = windowOf(e.target);
            windows.forEach((w, wid) => w.entry.classList.toggle('current', wid === id));
        });
    }

    // Keys the program took itself must not also click or type in the page; Space clicks a
    // button when it comes up.
    let swallowKeyUp = false;

    function listen() {
        listenForPointers();
        listenToStrip();
        listenForTyping();
        listenForViewport();
        listenForVisibility();
        desk.addEventListener('mousedown', e => {
            // The focus stays where the program has it; a text box takes its caret from the click.
            if (e.button === 0 && !(e.target instanceof HTMLInputElement)) e.preventDefault();
        });
        desk.addEventListener('click', e => {
            const t = e.target;
            if (t.closest('.close')) {
                call('_mt_close', windowOf(t));
                return;
            }
            const title = t.closest('.mt');
            if (title) {
                const menu = title.parentElement;
                const open = menu.classList.contains('open');
                closeMenus();
                if (!open && !menu.closest('[inert]')) {
                    menu.classList.add('open');
                    openMenu = menu;
                }
                return;
            }
            closeMenus();
            const id = idOf(t);
            if (id && !windows.has(id)) call('_mt_click', id);
        });
        desk.addEventListener('focusin', e => {
            const id = idOf(e.target);
            if (id) call('_mt_focused', id);
        });
        document.addEventListener('keydown', e => {
            if (asleep) {
                e.preventDefault();
                return;
            }
            if (e.key === 'Escape') closeMenus();
            const modifiers = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0);
            const taken = callText('mt_key', 'number', ['string', 'number'], [e.key, modifiers]);
            // A key whose handler opened a message box is taken too.
            if (taken !== 0) {
                e.preventDefault();
                swallowKeyUp = e.key === ' ';
            }
        });
        document.addEventListener('keyup', e => {
            if (swallowKeyUp && e.key === ' ') {
                e.preventDefault();
                swallowKeyUp = false;
            }
        });
    }

    // ---- Tablets and small windows: touch, on-screen keyboards, a turning viewport, a hidden tab ----

    function pointerMove(e) {
        const id = idOf(e.target);
        if (id) call('_mt_pointer_move', id);
    }

    // Every control by a finger or a pen as by the mouse: the click that follows a tap does the
    // rest. A finger does not hover, so where it lands counts as where the pointer went (the
    // drill's hints come up as its button is tapped).
    function listenForPointers() {
        desk.addEventListener('pointerdown', e => {
            if (!e.isPrimary || e.button > 0) return;
            if (e.pointerType !== 'mouse') pointerMove(e);
            const win = windowOf(e.target);
            if (win) call('_mt_pointer_down', win);
        });
        desk.addEventListener('pointermove', pointerMove);
        // A long press brings up no menu of the browser's; a text box keeps its own.
        desk.addEventListener('contextmenu', e => {
            if (!(e.target instanceof HTMLInputElement)) e.preventDefault();
        });
        // Safari shows :active, the pressed button, only on pages that listen to touches.
        desk.addEventListener('touchstart', () => {}, {passive: true});
    }

    // A key that types (the keydown the program saw through mt_key) brings its own text edit, which
    // goes to the program as an edit. An edit that no such key brought comes from a keyboard that
    // sends no keys: a tablet's on-screen keyboard (key "Unidentified", code 229), text inserted,
    // a word composed. That one goes through mt_typed, so that each character reaches the screen's
    // KeyPress as a key would; the box then shows the model's text.
    let keyTypes = false;
    function listenForTyping() {
        document.addEventListener('keydown', e => {
            keyTypes = !e.isComposing && e.keyCode !== 229 && (e.key.length === 1 || e.key === 'Backspace' ||
                                                               e.key === 'Delete');
        }, true);
        document.addEventListener('keyup', () => { keyTypes = false; }, true);
        const send = (box, entry) => {
            const id = idOf(box);
            if (id) callText(entry, null, ['number', 'string'], [id, box.value]);
        };
        desk.addEventListener('input', e => {
            if (e.isComposing) return; // the composed word comes whole, at compositionend
            send(e.target, keyTypes ? 'mt_edited' : 'mt_typed');
            keyTypes = false;
        });
        desk.addEventListener('compositionend', e => send(e.target, 'mt_typed'));
    }

    // The zoom follows the viewport and centred screens centre again, once per frame however many
    // resize events a turn or a drag brings; while a message box waits, once it is closed.
    let relayoutDue = false;
    function relayout() {
        if (asleep) {
            setTimeout(relayout, 100);
            return;
        }
        relayoutDue = false;
        viewport = null;
        call('_mt_viewport', page.viewportWidth(), page.viewportHeight());
        keepTypingInView();
    }

    // An on-screen keyboard covers the bottom of the page without resizing it (the viewport meta's
    // interactive-widget=resizes-visual keeps the zoom): the desk slides up until the box being
    // typed into shows above the keyboard, and back down when the keyboard goes.
    let lifted = 0;
    function keepTypingInView() {
        const vv = window.visualViewport, box = document.activeElement;
        if (!vv || (!lifted && vv.height >= window.innerHeight)) return; // no keyboard: no layout read
        let lift = 0;
        if (box instanceof HTMLInputElement && desk.contains(box)) {
            const r = box.getBoundingClientRect();
            const top = r.top + lifted, bottom = r.bottom + lifted; // where it stands unlifted
            lift = Math.max(0, Math.min(Math.ceil(bottom + 8 - (vv.offsetTop + vv.height)), top - vv.offsetTop));
        }
        if (lift !== lifted) {
            lifted = lift;
            desk.style.transform = lift ? `translateY(${-lift}px)` : '';
        }
    }

    function listenForViewport() {
        window.addEventListener('resize', () => {
            viewport = null;
            if (relayoutDue) return;
            relayoutDue = true;
            requestAnimationFrame(relayout);
        });
        if (window.visualViewport) {
            visualViewport.addEventListener('resize', keepTypingInView);
            visualViewport.addEventListener('scroll', keepTypingInView);
        }
        desk.addEventListener('focusin', keepTypingInView);
    }

    // A hidden tab stands still, as a run does behind the red light: no ticks, no CPU. A countdown
    // that went on unseen would judge the child on time they did not have, and a hidden tab's
    // timers come late or not at all anyway. Back in view, each timer goes on with what was left of
    // its interval.
    let hiddenAt = null;
    function listenForVisibility() {
        document.addEventListener('visibilitychange', () => {
            const now = performance.now();
            if (document.hidden && hiddenAt === null) {
                hiddenAt = now;
                for (const t of timers.values()) clearTimeout(t.id);
            } else if (!document.hidden && hiddenAt !== null) {
                for (const t of timers.values()) {
                    clearTimeout(t.id); // one started while hidden keeps a single schedule
                    t.next += now - hiddenAt;
                    t.id = setTimeout(t.fire, Math.max(0, t.next - now));
                }
                hiddenAt = null;
            }
        });
    }

    // The fonts the screens name, carried by the page. They load while the program compiles; it
    // starts once they are there, so that it measures and draws its texts in them from the first
    // screen on.
    function loadFonts() {
        return Promise.all(MT_ASSETS.fonts.map(f => {
            const bytes = Uint8Array.from(atob(f.data), c => c.charCodeAt(0));
            const face = new FontFace(f.family, bytes, {weight: f.weight, style: f.style});
            document.fonts.add(face);
            return face.load();
        })).catch(err => console.error(err));
    }

    // Every picture parsed once while the child looks at the first screen, so that opening a
    // screen only draws what is already there; then the screens' elements built, hidden, one
    // screen per idle moment, so that a click only shows them. It starts once the first screen is
    // painted, and `page.prepared` says when it is over. Chromium may give no idle time for long
    // after a click: a step is taken then anyway, after a short wait.
    const decoded = [];
    function prepare() {
        const names = Object.keys(MT_ASSETS.pictures);
        const next = deadline => {
            if (names.length) {
                do {
                    const img = new Image();
                    img.src = pictureUrl(names.shift());
                    img.decode().catch(() => {});
                    decoded.push(img);
                } while (names.length && deadline.timeRemaining() > 2);
            } else if (!asleep) { // nothing is built while a message box waits; it goes on after
                if (!call('_mt_prepare')) {
                    page.prepared = true;
                    return;
                }
                // The style of what was built brought up to date now, not by the click that shows it.
                void desk.offsetWidth;
            }
            requestIdleCallback(next, {timeout: 100});
        };
        requestAnimationFrame(() => setTimeout(() => requestIdleCallback(next, {timeout: 100})));
    }

    // --- What the page shows, read back by the tests that check it against the program. ---
    // Nothing here changes the page.

    // "Basis" with its B underlined reads "&Basis" again; a real ampersand "&&".
    function mnemonicText(el) {
        let out = '';
        for (const n of el.childNodes)
            out += n.nodeName === 'U' ? '&' + n.textContent : n.textContent.replace(/&/g, '&&');
        return out;
    }

    Object.assign(page, {
        shownText(id) {
            const w = windows.get(id);
            if (w) return w.caption.textContent;
            const el = els[id];
            if (!el) return '';
            if (el instanceof HTMLInputElement) return el.value;
            if (el.classList.contains('b')) return el.querySelector('.cap').textContent;
            if (el.classList.contains('p')) {
                const t = el.querySelector(':scope > .ti');
                return t ? t.textContent : '';
            }
            if (el.classList.contains('menu')) return mnemonicText(el.querySelector('.mt'));
            if (el.classList.contains('mi')) {
                const label = el.querySelector('.label');
                return label ? mnemonicText(label) : '';
            }
            return el.textContent;
        },

        displayed(id) {
            const el = els[id];
            return !!el && getComputedStyle(el).display !== 'none';
        },

        disabled(id) {
            const w = windows.get(id);
            if (w) return w.win.hasAttribute('inert');
            const el = els[id];
            return !!el && el.disabled === true;
        },

        focused() {
            const a = document.activeElement;
            const holder = a && a !== document.body && a.closest ? a.closest('[data-id]') : null;
            return holder ? +holder.dataset.id : 0;
        },
    });

    const fonts = loadFonts();
    Module.preRun = (Module.preRun || []).concat([() => {
        desk = document.getElementById('desk');
        strip = document.getElementById('strip');
        listen();
        addRunDependency('fonts');
        fonts.then(() => removeRunDependency('fonts'));
    }]);
    Module.postRun = (Module.postRun || []).concat([prepare]);
    return page;
})();
