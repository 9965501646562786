// The page side of the browser desktop: the event queue the message loop
// waits on, the canvas and the clock. Every input becomes an
// event in the queue; nothing here calls into the game, which runs only
// when the program takes its next event.
//
// Events are [type, a, b] as in page_calls.h: 1 paint, 2 tick, 3 click x y,
// 4 command id, 5 end of the modal wait with token a, answer b.

mergeInto(LibraryManager.library, {
  $Page__postset: 'Page.start();',
  $Page: {
    queue: [],          // clicks, commands and ends of waits, oldest first
    paintPending: false,
    tickPending: false,
    resume: null,       // the suspended program's way back, while it waits
    paintStart: 0,
    frames: 0,
    tokens: 0,
    clock: 0,
    openDialogs: 0,     // while above zero, the board and the menu take no input

    start: function() {
      var canvas = Page.canvas();
      canvas.addEventListener('pointerdown', Page.pointerDown);
      canvas.addEventListener('contextmenu', function(e) { e.preventDefault(); });
      // The board's area changes with the window, a phone's rotation, the
      // zoom and the menu bar's height once its font has loaded.
      addEventListener('resize', Page.fit);
      new ResizeObserver(Page.fit).observe(document.getElementById('board'));
      Page.fit();
    },

    canvas: function() { return document.getElementById('game'); },

    post: function(event) {
      Page.queue.push(event);
      Page.wake();
    },

    wake: function() {
      var resume = Page.resume;
      if (resume) {
        Page.resume = null;
        resume();
      }
    },

    // Win32 order: posted events first, then a paint, then a tick.
    take: function() {
      if (Page.queue.length) return Page.queue.shift();
      if (Page.paintPending) {
        Page.paintPending = false;
        Page.paintStart = performance.now();
        return [1, 0, 0];
      }
      if (Page.tickPending) {
        Page.tickPending = false;
        return [2, 0, 0];
      }
      return null;
    },

    newToken: function() { return ++Page.tokens; },

    // A NUL-terminated Shift_JIS string from the program's memory.
    text: function(pointer) {
      var end = pointer;
      while (HEAPU8[end]) ++end;
      return new TextDecoder('shift_jis').decode(HEAPU8.subarray(pointer, end));
    },

    // "ﾌｧｲﾙ(&F)" is shown "ﾌｧｲﾙ(F)", with F its mnemonic.
    label: function(text) { return text.replace('&', ''); },
    mnemonic: function(text) {
      var at = text.indexOf('&');
      return at >= 0 ? text.charAt(at + 1).toLowerCase() : '';
    },

    // The largest whole number of device pixels per game pixel that fits,
    // at least 1, centred in the board's area. The canvas is placed, not
    // laid out, so that its size never widens the page: a phone's browser
    // would otherwise grow the viewport around a canvas left too large by
    // a rotation, and the fit would follow that.
    fit: function() {
      var canvas = Page.canvas();
      var board = document.getElementById('board');
      if (!canvas || !board) return;
      var ratio = window.devicePixelRatio || 1;
      var across = board.clientWidth * ratio / canvas.width;
      var down = board.clientHeight * ratio / canvas.height;
      var scale = Math.max(1, Math.floor(Math.min(across, down)));
      var width = canvas.width * scale / ratio, height = canvas.height * scale / ratio;
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
      // Too large even at 1, it keeps its top-left corner in view.
      canvas.style.left = Math.max(0, (board.clientWidth - width) / 2) + 'px';
      canvas.style.top = Math.max(0, (board.clientHeight - height) / 2) + 'px';
      canvas.dataset.scale = scale;
    },

    pointerDown: function(e) {
      if (e.button !== 0 || Page.openDialogs) return;
      e.preventDefault();
      var canvas = Page.canvas();
      var box = canvas.getBoundingClientRect();
      var x = Math.floor((e.clientX - box.left) * canvas.width / box.width);
      var y = Math.floor((e.clientY - box.top) * canvas.height / box.height);
      Page.post([3, x, y]);
    },
  },

  // ---- The queue -------------------------------------------------------------

  web_next_event__deps: ['$Page'],
  web_next_event: function(event) {
    return Asyncify.handleSleep(function(wakeUp) {
      var deliver = function() {
        var next = Page.take();
        HEAP32[event >> 2] = next[0];
        HEAP32[(event >> 2) + 1] = next[1];
        HEAP32[(event >> 2) + 2] = next[2];
        wakeUp();
      };
      if (Page.queue.length || Page.paintPending || Page.tickPending) deliver();
      else Page.resume = deliver;
    });
  },

  // ---- Window --------------------------------------------------------------

  web_request_paint__deps: ['$Page'],
  web_request_paint: function() {
    Page.paintPending = true;
    Page.wake();
  },

  web_place_canvas__deps: ['$Page'],
  web_place_canvas: function(width, height) {
    var canvas = Page.canvas();
    if (!canvas) return;
    canvas.width = width;
    canvas.height = height;
    Page.fit();
  },

  web_canvas_width__deps: ['$Page'],
  web_canvas_width: function() { var c = Page.canvas(); return c ? c.width : 0; },
  web_canvas_height__deps: ['$Page'],
  web_canvas_height: function() { var c = Page.canvas(); return c ? c.height : 0; },
  web_screen_width: function() { return screen.width; },
  web_screen_height: function() { return screen.height; },

  // The pixels are viewed where they lie in the program's memory, not copied.
  web_present__deps: ['$Page'],
  web_present: function(pixels, width, height) {
    var canvas = Page.canvas();
    if (!canvas || canvas.width !== width || canvas.height !== height) return;
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(bytes, width, height), 0, 0);
    canvas.dataset.frames = ++Page.frames;
    performance.measure('tovrin-paint', {start: Page.paintStart});
  },

  web_show_ended__deps: ['$Page', '$Menu'],
  web_show_ended: function() {
    Menu.close(false);
    Menu.menus = [];
    ['menubar', 'board'].forEach(function(id) {
      var element = document.getElementById(id);
      if (element) element.remove();
    });
    var ended = document.createElement('div');
    ended.id = 'ended';
    var notice = document.createElement('p');
    notice.textContent = 'ゲームを終了しました。';
    var restart = document.createElement('a');
    restart.id = 'restart';
    restart.href = './';
    restart.textContent = 'もう一度遊ぶ';
    ended.append(notice, restart);
    document.body.append(ended);
  },

  // ---- Clock -----------------------------------------------------------------

  web_start_clock__deps: ['$Page'],
  web_start_clock: function() {
    clearInterval(Page.clock);
    Page.clock = setInterval(function() {
      Page.tickPending = true;
      Page.wake();
    }, 1000);
  },

  // A tick already waiting is dropped with the clock, as KillTimer drops it.
  web_stop_clock__deps: ['$Page'],
  web_stop_clock: function() {
    clearInterval(Page.clock);
    Page.clock = 0;
    Page.tickPending = false;
  },

  web_now_seconds: function() { return Math.floor(Date.now() / 1000); },
});
