// Sound through WebAudio, and the timed wait. The waves are RIFF images in
// the program's memory, decoded once each. A browser lets sound start only
// after a gesture: until then the tune waits and starts at the first tap or
// key, and a jingle that cannot play ends its wait at once.

mergeInto(LibraryManager.library, {
  $Sound__deps: ['$Page'],
  $Sound__postset: 'Sound.start();',
  $Sound: {
    context: null,
    decoded: {},      // wave address -> Promise of its AudioBuffer
    sources: [],      // what plays now
    generation: 0,    // counts stops, so that a late decode plays nothing
    tune: null,       // [address, size] of the loop asked for
    tuneWaits: false, // the tune was asked for before sound could run
    noticed: false,   // said once that sound waits for a gesture
    announced: false, // said once that the tune then started

    // Taps become gestures on release, clicks and keys on press.
    start: function() {
      var unlock = function() { Sound.unlock(); };
      ['pointerdown', 'pointerup', 'click', 'keydown'].forEach(function(type) {
        addEventListener(type, unlock, true);
      });
    },

    // Made only once the page has had a gesture: a context made before
    // cannot run, and Chromium warns about it.
    audio: function() {
      var activation = navigator.userActivation;
      if (!Sound.context && (!activation || activation.hasBeenActive)) {
        var Context = window.AudioContext || window.webkitAudioContext;
        if (Context) Sound.context = new Context();
      }
      return Sound.context;
    },

    running: function() {
      var context = Sound.audio();
      return !!context && context.state === 'running';
    },

    waitForGesture: function() {
      if (!Sound.noticed) {
        Sound.noticed = true;
        console.info('tovrin-mini: sound waits for a gesture');
      }
    },

    // Inside a gesture's handler the context may run; a tune that waited
    // for it starts.
    unlock: function() {
      var context = Sound.audio();
      if (!context) return;
      if (context.state === 'running') Sound.startTune();
      else context.resume().then(Sound.startTune, function() {});
    },

    startTune: function() {
      if (Sound.tune && Sound.tuneWaits && Sound.running()) {
        Sound.tuneWaits = false;
        Sound.play(Sound.tune[0], Sound.tune[1], true, null);
        if (Sound.noticed && !Sound.announced) {
          Sound.announced = true;
          console.info('tovrin-mini: tune started');
        }
      }
    },

    // Plays a wave; ended runs when it has finished or cannot play.
    play: function(address, size, loop, ended) {
      var context = Sound.audio();
      var generation = Sound.generation;
      var wave = Sound.decoded[address];
      if (!wave) {
        var copy = HEAPU8.slice(address, address + size).buffer;
        wave = Sound.decoded[address] = context.decodeAudioData(copy);
      }
      wave.then(function(buffer) {
        if (generation !== Sound.generation) {
          if (ended) ended();
          return;
        }
        var source = context.createBufferSource();
        source.buffer = buffer;
        source.loop = loop;
        source.connect(context.destination);
        source.onended = function() {
          Sound.sources = Sound.sources.filter(function(s) { return s !== source; });
          if (ended) ended();
        };
        Sound.sources.push(source);
        source.start();
        // A context stopped under the wave (a phone's call) never ends it.
        if (ended) setTimeout(ended, (buffer.duration + 1) * 1000);
      }, function() {
        if (ended) ended();
      });
    },
  },

  web_stop_sound__deps: ['$Sound'],
  web_stop_sound: function() {
    ++Sound.generation;
    Sound.tune = null;
    Sound.tuneWaits = false;
    var playing = Sound.sources;
    Sound.sources = [];
    playing.forEach(function(source) { source.stop(); });
  },

  web_play_loop__deps: ['$Sound', 'web_stop_sound'],
  web_play_loop: function(wave, size) {
    _web_stop_sound();
    Sound.tune = [wave, size];
    Sound.tuneWaits = true;
    if (Sound.running()) {
      Sound.startTune();
      return;
    }
    // A context just made, or one a browser let sleep, may run at once;
    // one that waits for a gesture resumes only inside one.
    var context = Sound.audio();
    if (!context || !(navigator.userActivation || {hasBeenActive: true}).hasBeenActive) {
      Sound.waitForGesture();
    }
    if (context) context.resume().then(Sound.startTune, function() {});
  },

  web_play_once__deps: ['$Sound'],
  web_play_once: function(wave, size) {
    if (!Sound.running()) {
      Sound.waitForGesture();
      return 0;
    }
    var token = Page.newToken();
    var done = false;
    Sound.play(wave, size, false, function() {
      if (!done) {
        done = true;
        Page.post([5, token, 0]);
      }
    });
    return token;
  },

  web_start_wait__deps: ['$Page'],
  web_start_wait: function(milliseconds) {
    var token = Page.newToken();
    setTimeout(function() { Page.post([5, token, 0]); }, milliseconds);
    return token;
  },
});
