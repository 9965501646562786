// The menu bar: the desktop menu's three drop-downs as buttons, built by the
// program from its menu table. Mouse, touch and keyboard open them; an item
// queues its command, which the game takes only while no box is up.

mergeInto(LibraryManager.library, {
  $Menu__deps: ['$Page'],
  $Menu__postset: 'Menu.start();',
  $Menu: {
    menus: [],      // {button, list, items: [{element, mnemonic}], mnemonic}
    openMenu: null,

    start: function() {
      document.addEventListener('pointerdown', function(e) {
        if (Menu.openMenu && !e.target.closest('#menubar')) Menu.close(false);
      });
      document.addEventListener('keydown', Menu.key);
    },

    openAt: function(menu, focusFirst) {
      if (Menu.openMenu && Menu.openMenu !== menu) Menu.close(false);
      Menu.openMenu = menu;
      menu.list.hidden = false;
      menu.button.setAttribute('aria-expanded', 'true');
      if (focusFirst) menu.items[0].element.focus();
    },

    close: function(focusButton) {
      var menu = Menu.openMenu;
      if (!menu) return;
      Menu.openMenu = null;
      menu.list.hidden = true;
      menu.button.setAttribute('aria-expanded', 'false');
      if (focusButton) menu.button.focus();
      else if (menu.list.contains(document.activeElement)) document.activeElement.blur();
    },

    run: function(commandId) {
      Menu.close(false);
      if (!Page.openDialogs) Page.post([4, commandId, 0]);
    },

    // Arrows move along the bar and down the open menu, Escape closes it,
    // F10 or Alt with a mnemonic opens the bar from the keyboard, and a
    // mnemonic picks an item of the open menu. Enter and Space press the
    // focused button as buttons do.
    key: function(e) {
      if (Page.openDialogs || !Menu.menus.length) return;
      var menus = Menu.menus;
      var at = menus.findIndex(function(m) {
        return m.button === document.activeElement || m.list.contains(document.activeElement);
      });
      var key = e.key;
      if (key === 'F10' || (e.altKey && key === 'Alt')) {
        e.preventDefault();
        menus[0].button.focus();
        return;
      }
      if (e.altKey) {
        var named = menus.find(function(m) { return m.mnemonic === key.toLowerCase(); });
        if (named) {
          e.preventDefault();
          Menu.openAt(named, true);
        }
        return;
      }
      if (at < 0) return;
      var menu = menus[at];
      var inList = menu.list.contains(document.activeElement);
      if (key === 'ArrowLeft' || key === 'ArrowRight') {
        e.preventDefault();
        var next = menus[(at + (key === 'ArrowLeft' ? menus.length - 1 : 1)) % menus.length];
        if (Menu.openMenu) Menu.openAt(next, true);
        else next.button.focus();
      } else if (key === 'ArrowDown' || key === 'ArrowUp') {
        e.preventDefault();
        if (!inList) {
          Menu.openAt(menu, true);
          return;
        }
        var items = menu.items;
        var i = items.findIndex(function(it) { return it.element === document.activeElement; });
        var step = key === 'ArrowDown' ? 1 : items.length - 1;
        items[(i + step) % items.length].element.focus();
      } else if (key === 'Escape') {
        e.preventDefault();
        if (Menu.openMenu) Menu.close(true);
        else document.activeElement.blur();
      } else if (inList && key.length === 1) {
        var item = menu.items.find(function(it) { return it.mnemonic === key.toLowerCase(); });
        if (item) {
          e.preventDefault();
          item.element.click();
        }
      }
    },
  },

  web_add_menu__deps: ['$Menu'],
  web_add_menu: function(title) {
    var text = Page.text(title);
    var holder = document.createElement('div');
    holder.setAttribute('role', 'none');
    var button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-haspopup', 'true');
    button.setAttribute('aria-expanded', 'false');
    button.textContent = Page.label(text);
    var list = document.createElement('div');
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', Page.label(text));
    list.hidden = true;
    holder.append(button, list);
    document.getElementById('menubar').append(holder);
    var menu = {button: button, list: list, items: [], mnemonic: Page.mnemonic(text)};
    Menu.menus.push(menu);
    // A press opens or closes; with a menu open, moving onto another title
    // opens that one, as a desktop menu bar does.
    button.addEventListener('click', function(e) {
      if (Menu.openMenu === menu) Menu.close(false);
      else Menu.openAt(menu, e.detail === 0);
    });
    button.addEventListener('pointerenter', function() {
      if (Menu.openMenu && Menu.openMenu !== menu) Menu.openAt(menu, false);
    });
  },

  web_add_menu_item__deps: ['$Menu'],
  web_add_menu_item: function(commandId, text, checkable) {
    var menu = Menu.menus[Menu.menus.length - 1];
    if (!commandId) {
      var line = document.createElement('div');
      line.setAttribute('role', 'separator');
      menu.list.append(line);
      return;
    }
    var words = Page.text(text);
    var item = document.createElement('button');
    item.type = 'button';
    item.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
    if (checkable) item.setAttribute('aria-checked', 'false');
    item.dataset.command = commandId;
    item.textContent = Page.label(words);
    item.addEventListener('click', function() { Menu.run(commandId); });
    menu.list.append(item);
    menu.items.push({element: item, mnemonic: Page.mnemonic(words)});
  },

  web_set_menu_check: function(commandId, checked) {
    var item = document.querySelector('#menubar [data-command="' + commandId + '"]');
    if (item) item.setAttribute('aria-checked', checked ? 'true' : 'false');
  },
});
