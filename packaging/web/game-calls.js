// What the game calls in its page, linked into the program (emscripten's
// --js-library). The page's other half, the ids and the event these use,
// is index.html.
mergeInto(LibraryManager.library, {
  // The page's live region speaks what it is given. A screen reader drops a
  // text equal to the one it said last: the same words again (the same
  // problem twice) get an invisible mark that makes them new.
  sayInRegion: function (words) {
    const region = document.getElementById('parlato');
    if (!region)
        return;
    let text = UTF8ToString(words);
    if (region.textContent === text)
        text += '\u200b';
    region.textContent = text;
  },

  // Two listeners on the page. Browsers let a page sound only after a key or
  // a touch: the pupil's first one readies the end's sound. What an on-screen
  // keyboard commits to the toolkit's input element (a suggestion, a paste,
  // several characters at once) is typed character by character, before the
  // toolkit's own handler, which would keep only the last one (Qt 6.4) or
  // refuse the whole text for one wrong character (Qt 6.8). Compositions are
  // typed once ended; deletions stay with the toolkit.
  listenToPage: function () {
    // The page's one sound context, made when first needed; null without Web Audio.
    Module.nrSound = function () {
        const Context = window.AudioContext || window.webkitAudioContext;
        return Context ? Module.nrAudio || (Module.nrAudio = new Context()) : null;
    };
    const unlock = function () {
        const audio = Module.nrSound();
        if (audio && audio.state !== 'running')
            audio.resume().catch(function () {});
    };
    for (const kind of ['keydown', 'pointerdown', 'touchend'])
        window.addEventListener(kind, unlock, true);
    const commit = function (event) {
        const field = event.target;
        if (!(field instanceof HTMLInputElement) || field.closest('#avviso'))
            return;
        if (event.type === 'input' && !String(event.inputType).startsWith('insert'))
            return;
        event.stopImmediatePropagation();
        const ended = event.type === 'compositionend' ||
            event.type === 'input' && !event.isComposing && event.inputType !== 'insertCompositionText';
        // The text inserted, not the field's: Qt 6.8 fills it with the answer so far.
        if (!ended || !event.data)
            return;
        field.value = "";
        Module.nrTypeCommitted(event.data);
    };
    for (const kind of ['input', 'compositionstart', 'compositionupdate', 'compositionend'])
        document.addEventListener(kind, commit, true);
  },

  // Qt 6.8 takes the keys through an input element of its own, which has the
  // keyboard focus: a listener hears it named as the page names the game. Its
  // own mirror of the widgets has no announcements and does not follow the
  // focus; the page says what the focus meets, so the mirror stays out of hearing.
  fitToolkitToPage: function () {
    const game = document.getElementById('gioco');
    const name = game && game.getAttribute('aria-label');
    if (name)
        for (const field of document.querySelectorAll('body > input'))
            field.setAttribute('aria-label', name);
    const host = document.getElementById('qt-shadow-container');
    if (host && host.shadowRoot) {
        const style = document.createElement('style');
        style.textContent = '.qt-window-a11y-container { display: none; }';
        host.shadowRoot.appendChild(style);
        // A window shown (a menu, a box) takes the focus into its own canvas,
        // hidden from listeners: a screen reader would stop passing the keys.
        // The labelled field takes them to the same place.
        host.shadowRoot.addEventListener('focusin', function (event) {
            const field = document.querySelector('body > input');
            if (field && event.target.classList.contains('qt-window-content'))
                field.focus();
        }, true);
    }
  },

  // Three short tones, like an alarm clock; false where the browser has no
  // Web Audio or keeps it silent (no key or touch of the pupil's yet).
  playAlarm: function () {
    const audio = Module.nrSound();
    if (!audio)
        return 0;
    if (audio.state !== 'running') {
        audio.resume().catch(function () {});
        return 0;
    }
    const start = audio.currentTime + 0.05;
    for (let i = 0; i < 3; ++i) {
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.frequency.value = 880;
        volume.gain.value = 0.25;
        tone.connect(volume).connect(audio.destination);
        tone.start(start + i * 0.3);
        tone.stop(start + i * 0.3 + 0.18);
    }
    return 1;
  },

  // The tab shows the game's title while the page is hidden; its own again when shown.
  showTitleInTab: function (title) {
    if (Module.nrPageTitle === undefined)
        Module.nrPageTitle = document.title;
    document.title = UTF8ToString(title);
  },

  restoreTabTitle: function () {
    if (Module.nrPageTitle !== undefined)
        document.title = Module.nrPageTitle;
  },

  tellPageTheGameEnded: function () {
    window.dispatchEvent(new CustomEvent('numeri-relativi-fine'));
  },
});
