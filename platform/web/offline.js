// SPDX-License-Identifier: GPL-3.0-or-later
// The hosted site's only (the one file runs from file:// and has nothing to fetch): its service
// worker keeps every file of the site, so that after the first visit the program starts without
// a network, and the browser offers to install it.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    window.addEventListener('load', () => {
        navigator.serviceWorker.register('sw.js').catch(err => console.warn('no offline use:', err.message));
    });
}
