// What the page holds between events: the core, the ROM open, the row selected.
'use strict';

const SaveResult = { Saved: 0, Grown: 1 };
// The causes of a save that wrote nothing, as the core numbers them.
const Cause = { None: 0, FileGone: 3, ChangedOnDisk: 8, NoRoom: 10 };
const LargestRom = 32 * 1024 * 1024;
const RowHeight = 18;

const $ = (id) => document.getElementById(id);
let core = null;
let language = 0;
let romName = '';
let romHandle = null;  // where Save writes back, when the browser gave the file itself
let fileOpen = false;
// Set when the user let the edits go before the file chooser opened: the file
// chosen then opens without asking again. Any edit clears it.
let editsLetGo = false;
let selected = -1;
let rowCount = 0;
let opens = 0;  // ROMs opened: tests wait on it
const times = { open: 0, edit: 0 };
window.quenmarkTimes = times;

const text = (key) => Texts[key][language];

