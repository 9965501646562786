// Start-up of the page, run before the program: the score file's lock, the
// service worker, and closing the tab.

// The score file belongs to one tab at a time, as a file to one copy of a
// desktop program, and for the tab's whole life. The program starts once the
// lock is known: held, the tab reads and writes the file; refused (another
// tab of the game is open), it plays with the defaults and opens nothing.
// A refused tab does not queue for the lock: it would get it the moment the
// first tab reloads, and the reloaded tab, the one the player uses, would
// lose its file to a tab that may never write it. Without the Web Locks API
// (a page served over plain HTTP from another host) there is no second tab
// to tell apart, and the file is used.
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
  });
}];

// Closing the tab closes the window: the sound stops and the options are
// saved, synchronously, before the page goes.
addEventListener('pagehide', function() {
  if (runtimeInitialized) Module['_web_page_hide']();
});

document.addEventListener('visibilitychange', function() {
  if (runtimeInitialized && document.visibilityState === 'hidden') Module['_web_page_hidden']();
});

// The site works offline once the service worker has cached it.
if ('serviceWorker' in navigator) {
  addEventListener('load', function() {
    navigator.serviceWorker.register('service-worker.js').catch(function() {});
  });
}
