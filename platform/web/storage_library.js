// The score file in localStorage: the key is the file's path, the value the
// base64 of its exact bytes. A value that is not base64 is a file that
// cannot be read, and it exists, so it is never replaced. Only the tab that
// holds the score file's Web Lock (taken by the pre-script before the
// program starts) opens anything; one file is open at a time.

mergeInto(LibraryManager.library, {
  $ScoreStore: {
    file: null, // {key, bytes, position}

    held: function() { return Module['tovrinFileHeld'] === true; },

    decode: function(value) {
      if (value.length % 4 !== 0 || !/^[A-Za-z0-9+/]*={0,2}$/.test(value)) return null;
      var binary = atob(value);
      var bytes = new Uint8Array(binary.length);
      for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
      return bytes;
    },

    encode: function(bytes) {
      var binary = '';
      for (var i = 0; i < bytes.length; ++i) binary += String.fromCharCode(bytes[i]);
      return btoa(binary);
    },
  },

  web_file_open__deps: ['$ScoreStore'],
  web_file_open: function(path, createNew) {
    if (ScoreStore.file || !ScoreStore.held()) return 0;
    var key = UTF8ToString(path);
    try {
      var value = localStorage.getItem(key);
      var bytes;
      if (createNew) {
        if (value !== null) return 0;
        localStorage.setItem(key, '');
        bytes = new Uint8Array(0);
      } else {
        if (value === null) return 0;
        bytes = ScoreStore.decode(value);
        if (!bytes) return 0;
      }
    } catch (e) {
      return 0; // storage disabled or full
    }
    ScoreStore.file = {key: key, bytes: bytes, position: 0};
    return 1;
  },

  web_file_read__deps: ['$ScoreStore'],
  web_file_read: function(file, buffer, size) {
    var open = ScoreStore.file;
    if (!open) return 0;
    var part = open.bytes.subarray(open.position, open.position + size);
    HEAPU8.set(part, buffer);
    open.position += part.length;
    return part.length;
  },

  // Every write reaches the storage at once: a tab may close at any time.
  web_file_write__deps: ['$ScoreStore'],
  web_file_write: function(file, buffer, size) {
    var open = ScoreStore.file;
    if (!open) return 0;
    var end = open.position + size;
    var bytes = open.bytes;
    if (end > bytes.length) {
      bytes = new Uint8Array(end);
      bytes.set(open.bytes);
    }
    bytes.set(HEAPU8.subarray(buffer, buffer + size), open.position);
    try {
      localStorage.setItem(open.key, ScoreStore.encode(bytes));
    } catch (e) {
      return 0;
    }
    open.bytes = bytes;
    open.position = end;
    return size;
  },

  web_file_close__deps: ['$ScoreStore'],
  web_file_close: function(file) {
    ScoreStore.file = null;
  },
});
