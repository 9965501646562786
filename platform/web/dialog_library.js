// Message boxes and the name dialog as modal <dialog> elements. A box opened
// while another is up stacks on top of it. Answering removes the dialog and
// queues the end of its wait; the program's nested loop takes it from there.

mergeInto(LibraryManager.library, {
  $Dialogs__deps: ['$Page', '$Menu'],
  $Dialogs: {
    labels: null,   // {ok, cancel, yes, no}: [label, mnemonic]
    typed: {},      // token -> the text of an answered name dialog
    encoding: null, // character -> its Shift_JIS bytes

    // buttons: [[label, mnemonic, answer]], the first the default; escape is
    // the answer of Escape and of a dialog closed some other way.
    open: function(token, caption, text, field, buttons, escape) {
      var dialog = document.createElement('dialog');
      var title = document.createElement('h1');
      title.textContent = caption;
      var words = document.createElement('p');
      words.textContent = text;
      dialog.append(title, words);
      if (field) dialog.append(field);
      var row = document.createElement('div');
      row.className = 'buttons';
      dialog.append(row);
      var before = document.activeElement;
      var answered = false;
      var answer = function(value) {
        if (answered) return;
        answered = true;
        if (field) Dialogs.typed[token] = field.value;
        dialog.close();
        dialog.remove();
        --Page.openDialogs;
        if (before && before.isConnected) before.focus();
        Page.post([5, token, value]);
      };
      var pressed = buttons.map(function(spec) {
        var button = document.createElement('button');
        button.type = 'button';
        button.textContent = spec[0];
        button.addEventListener('click', function() { answer(spec[2]); });
        row.append(button);
        return button;
      });
      dialog.addEventListener('keydown', function(e) {
        var key = e.key;
        if (e.isComposing) return; // Enter ends an input method's word first
        if (key === 'Enter') {
          e.preventDefault();
          var at = pressed.indexOf(document.activeElement);
          answer(buttons[at >= 0 ? at : 0][2]);
        } else if (key === 'Escape') {
          e.preventDefault();
          answer(escape);
        } else if (!field && key.length === 1) {
          var named = buttons.find(function(spec) { return spec[1] && spec[1] === key.toLowerCase(); });
          if (named) {
            e.preventDefault();
            answer(named[2]);
          }
        }
      });
      dialog.addEventListener('cancel', function(e) {
        e.preventDefault();
        answer(escape);
      });
      dialog.addEventListener('close', function() { answer(escape); });
      Menu.close(false);
      ++Page.openDialogs;
      document.body.append(dialog);
      dialog.showModal();
      if (field) {
        field.focus();
        field.select();
      } else {
        pressed[0].focus();
      }
    },

    button: function(pair, answer) { return [pair[0], pair[1], answer]; },

    // The reverse of the browser's Shift_JIS decoder, built at the first
    // typed name: every single byte and every two-byte pair decoded once,
    // the first code for a character kept. Leads 0xED and 0xEE hold NEC's
    // copies of IBM characters, which Windows writes with their IBM codes.
    table: function() {
      if (Dialogs.encoding) return Dialogs.encoding;
      var decoder = new TextDecoder('shift_jis');
      var table = new Map();
      var add = function(bytes) {
        var ch = decoder.decode(new Uint8Array(bytes));
        if (ch.length && ch.length <= 2 && ch !== '\uFFFD' && !table.has(ch) &&
            Array.from(ch).length === 1) {
          table.set(ch, bytes);
        }
      };
      for (var single = 0x20; single < 0xE0; ++single) {
        if (single < 0x80 || single >= 0xA1) add([single]);
      }
      for (var lead = 0x81; lead <= 0xFC; ++lead) {
        if ((lead > 0x9F && lead < 0xE0) || lead === 0xED || lead === 0xEE) continue;
        for (var trail = 0x40; trail <= 0xFC; ++trail) {
          if (trail !== 0x7F) add([lead, trail]);
        }
      }
      return Dialogs.encoding = table;
    },

    // Shift_JIS bytes of text, at most limit of them, no character split;
    // a character without a Shift_JIS form becomes "?".
    encode: function(text, limit) {
      var table = Dialogs.table();
      var out = [];
      for (var ch of text) {
        var bytes = table.get(ch) || [0x3F];
        if (out.length + bytes.length > limit) break;
        out.push.apply(out, bytes);
      }
      return out;
    },
  },

  web_set_button_labels__deps: ['$Dialogs'],
  web_set_button_labels: function(ok, cancel, yes, no) {
    var pair = function(pointer) {
      var text = Page.text(pointer);
      return [Page.label(text), Page.mnemonic(text)];
    };
    Dialogs.labels = {ok: pair(ok), cancel: pair(cancel), yes: pair(yes), no: pair(no)};
  },

  // Answers as in desktop.h: 0 OK, 1 Yes, 2 No.
  web_open_box__deps: ['$Dialogs'],
  web_open_box: function(text, caption, yesNo) {
    var token = Page.newToken();
    var l = Dialogs.labels;
    var buttons = yesNo ? [Dialogs.button(l.yes, 1), Dialogs.button(l.no, 2)]
                        : [Dialogs.button(l.ok, 0)];
    Dialogs.open(token, Page.text(caption), Page.text(text), null, buttons, yesNo ? 2 : 0);
    return token;
  },

  // Answers 1 for OK, 0 for Cancel.
  web_open_name_dialog__deps: ['$Dialogs'],
  web_open_name_dialog: function(caption, prompt, initialName) {
    var token = Page.newToken();
    var l = Dialogs.labels;
    var field = document.createElement('input');
    field.type = 'text';
    field.value = Page.text(initialName);
    field.autocomplete = 'off';
    Dialogs.open(token, Page.text(caption), Page.text(prompt), field,
                 [Dialogs.button(l.ok, 1), Dialogs.button(l.cancel, 0)], 0);
    return token;
  },

  web_take_typed_name__deps: ['$Dialogs'],
  web_take_typed_name: function(token, buffer, size) {
    if (size <= 0) return;
    var bytes = Dialogs.encode(Dialogs.typed[token] || '', size - 1);
    delete Dialogs.typed[token];
    HEAPU8.set(bytes, buffer);
    HEAPU8[buffer + bytes.length] = 0;
  },
});
