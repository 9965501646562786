// Start-up of the page, run before the program: the score file's lock, the
// service worker, and closing the tab.

// The score file belongs to one tab at a time, as a file to one copy of a
// desktop program. The program starts once the lock is known: held, the tab
// reads and writes the file; refused (another tab of the game is open), it
// plays with the defaults and writes nothing. A refused tab then queues for
// the lock and gets it when the other tab has gone, so that its later opens
// succeed, as a desktop copy's opens do once the other copy has ended. Its
// options still are not written: the game allows rewrites only when the
// file could be opened at start. Without the Web Locks API (a page served
// over plain HTTP from another host) there is no second tab to tell apart,
// and the file is used.
var SCORE_FILE_LOCK = 'tovrin-mini/Dudazure2.hsc';

Module['preRun'] = [function() {
  var locks = navigator.locks;
  if (!locks) {
    Module['tovrinFileHeld'] = true;
    return;
  }
  var keep = function() { return new Promise(function() {}); };
  addRunDependency('score-file-lock');
  locks.request(SCORE_FILE_LOCK, {ifAvailable: true}, function(lock) {
    Module['tovrinFileHeld'] = !!lock;
    removeRunDependency('score-file-lock');
    if (lock) return keep();
    locks.request(SCORE_FILE_LOCK, function() {
      Module['tovrinFileHeld'] = true;
      return keep();
    });
  });
}];

// Closing the tab closes the window: the sound stops and the options are
// saved, synchronously, before the page goes.
addEventListener('pagehide', function() {
  if (runtimeInitialized) Module['_web_page_hide']();
});

// The site works offline once the service worker has cached it.
if ('serviceWorker' in navigator) {
  addEventListener('load', function() {
    navigator.serviceWorker.register('service-worker.js').catch(function() {});
  });
}
