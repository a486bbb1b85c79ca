// The web page end to end, in Debian's headless Chromium driven through the
// DevTools protocol: it serves build-web/site/ on this machine, plays a game
// with keys to its end, enters a name with an umlaut, and checks the high
// scores and options through reloads, the bytes the browser keeps, a second
// tab, and a browser that keeps nothing. Prints each check; fails on the
// first that does not hold.
//   node tests/web/play.mjs [SITE_DIR]      (screenshots go to $SHOTS or /tmp)
import { mkdirSync, writeFileSync } from "node:fs";
import { setTimeout as sleep } from "node:timers/promises";
import { launch, serve } from "./chromium.mjs";

const site = process.argv[2] ?? new URL("../../build-web/site", import.meta.url).pathname;
const shots = process.env.SHOTS ?? "/tmp";
mkdirSync(shots, { recursive: true });
const server = await serve(site, 8300 + (process.pid % 500));
const browser = await launch();

const mainSize = { width: 336, height: 328 };  // in page pixels
const highScoresSize = { width: 334, height: 217 };
const near = (a, b) => Math.abs(a - b) <= 2;
const sized = (box, size) => box && near(box.width, size.width) && near(box.height, size.height);
const centred = (box, screen) => near(box.x + box.width / 2, screen.width / 2) &&
                                 near(box.y + box.height / 2, screen.height / 2);

let failed = false;
function check(name, ok, detail = "") {
  console.log(`${ok ? "ok  " : "FAIL"} ${name}${detail ? ": " + detail : ""}`);
  if (!ok) {
    failed = true;
    throw new Error(name);
  }
}

async function open(page = null) {
  page ??= await browser.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  page.on("pageerror", error => console.log("page error:", error?.message ?? error));
  await page.goto(server.origin + "/");
  await page.waitForFunction(() => !document.querySelector("canvas").classList.contains("waiting"), { timeout: 60000 });
  await sleep(4000);  // WebGL on SwiftShader: the first paint takes a moment
  return page;
}

// A screenshot of the page, kept as $SHOTS/web-NAME.png.
async function shot(page, name) {
  const png = await page.screenshot({ encoding: "base64" });
  writeFileSync(`${shots}/web-${name}.png`, Buffer.from(png, "base64"));
  return png;
}

// The box around what a screenshot shows on the program's screen right of and
// below `from`: every pixel that differs from `before` (the window that
// opened or closed since), or without it from the screen's own grey (every
// window drawn); with the number of near-white pixels, a Qt dialog's face,
// which the skin never shows.
async function drawn(page, png, { before = null, from = { x: 0, y: 0 } } = {}) {
  return page.evaluate(async (png, before, from) => {
    const pixelsOf = async data => {
      const image = new Image();
      image.src = "data:image/png;base64," + data;
      await image.decode();
      const canvas = Object.assign(document.createElement("canvas"), { width: image.width, height: image.height });
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height);
    };
    const screen = document.querySelector("#screen").getBoundingClientRect();
    const { width, data } = await pixelsOf(png);
    const height = Math.floor(screen.height);
    // Without `before`, every pixel is held against the grey below any notice.
    const grey = (height - 3) * width * 4;
    const other = before ? (await pixelsOf(before)).data : null;
    const same = i => [0, 1, 2].every(c => data[i + c] === (other ? other[i + c] : data[grey + c]));
    let left = Infinity, top = Infinity, right = -1, bottom = -1, light = 0;
    for (let y = from.y; y < height; y++) {
      for (let x = from.x; x < width; x++) {
        const i = (y * width + x) * 4;
        light += data[i] >= 235 && data[i + 1] >= 235 && data[i + 2] >= 235;
        if (same(i)) continue;
        left = Math.min(left, x); right = Math.max(right, x); top = Math.min(top, y); bottom = Math.max(bottom, y);
      }
    }
    const box = right < 0 ? null : { x: left, y: top, width: right - left + 1, height: bottom - top + 1 };
    return { box, light, screen: { width: Math.round(screen.width), height } };
  }, png, before, from);
}

// A file the page keeps, as IDBFS stored it in the browser's IndexedDB, one character per byte.
async function kept(page, folder, file) {
  const bytes = await page.evaluate((folder, file) => new Promise((resolve, reject) => {
    const request = indexedDB.open(folder);
    request.onerror = () => reject(request.error);
    request.onsuccess = () => {
      const get = request.result.transaction("FILE_DATA").objectStore("FILE_DATA").get(`${folder}/${file}`);
      get.onsuccess = () => resolve(get.result ? Array.from(get.result.contents) : null);
      get.onerror = () => reject(get.error);
    };
  }), folder, file);
  return bytes ? Buffer.from(bytes).toString("latin1") : "";
}
const scores = page => kept(page, "/home/web_user/.local/share/fallox", "scores.lst");
const settings = page => kept(page, "/home/web_user/.config/fallox", "Brixel32.ini");

// Types text as a German keyboard does: letters outside US ASCII come as key
// presses of their own, as a player's umlaut keys send them.
async function typeText(page, text) {
  const cdp = await page.createCDPSession();
  for (const letter of text) {
    if (/[ -~]/.test(letter)) {
      await page.keyboard.type(letter);
      continue;
    }
    await cdp.send("Input.dispatchKeyEvent", { type: "keyDown", key: letter, text: letter, code: "BracketLeft" });
    await cdp.send("Input.dispatchKeyEvent", { type: "keyUp", key: letter, code: "BracketLeft" });
  }
  await cdp.detach();
}

async function click(page, window, x, y) {
  await page.mouse.click(window.x + x, window.y + y);
  await sleep(700);
}

// Opens the options and checks that they show beside the main window, their
// tops level; returns their box. The well may repaint meanwhile: only what
// changes right of the main window counts.
async function openOptions(page, main, what) {
  const before = await shot(page, `${what}-before`);
  await click(page, main, 213, 70);  // Option
  const { box } = await drawn(page, await shot(page, what), { before, from: { x: main.x + main.width - 4, y: 0 } });
  check(`${what}: they open beside the main window, their tops level`,
        box && near(box.x, main.x + main.width) && near(box.y, main.y), JSON.stringify(box));
  return box;
}

try {
  const page = await open();
  const start = await drawn(page, await shot(page, "start"));
  const main = start.box;
  check("the main window shows, centred on the page's screen", sized(main, mainSize) && centred(main, start.screen),
        JSON.stringify(main));
  // The window's top row is the screen's own grey: the box is measured from the bottom.
  await page.screenshot({ path: `${shots}/web-window.png`,
                          clip: { x: main.x, y: main.y + main.height - mainSize.height, ...mainSize } });

  const scrolled = await page.evaluate(() => scrollY);
  await click(page, main, 213, 38);  // Neues spiel
  for (let drop = 0; drop < 60; drop++) {
    await page.keyboard.press(drop % 3 ? "ArrowDown" : "ArrowLeft");
    await sleep(150);
  }
  await sleep(1500);
  const { light } = await drawn(page, await shot(page, "name-box"));
  check("the game ends and asks for a name in a box of its own", light > 20000, `${light} light pixels`);
  check("the arrow keys do not scroll the page", (await page.evaluate(() => scrollY)) === scrolled);
  await typeText(page, "Jürgen");
  await page.keyboard.press("Enter");
  await sleep(2500);
  const highScores = await shot(page, "high-scores");
  await click(page, { x: start.screen.width / 2 - highScoresSize.width / 2,
                      y: start.screen.height / 2 - highScoresSize.height / 2 }, 166, 178);  // OK
  let { box } = await drawn(page, await shot(page, "high-scores-closed"), { before: highScores });
  check("the high scores show in the middle of the screen and close with OK",
        sized(box, highScoresSize) && centred(box, start.screen), JSON.stringify(box));

  const table = /^J\xfcrgen:[1-9][0-9]*\r\n(None:0\r\n){4}$/;
  check("scores.lst in the browser holds the name in Windows-1252 with CR LF", table.test(await scores(page)),
        JSON.stringify(await scores(page)));

  const options = await openOptions(page, main, "options");
  await click(page, options, 140, 73);  // the level box
  await page.keyboard.press("Backspace");
  await page.keyboard.type("3");
  await click(page, options, 70, 210);  // OK
  await sleep(1000);
  check("Brixel32.ini in the browser holds the start level with CR LF",
        /Starting Level=3\r\n/.test(await settings(page)), JSON.stringify(await settings(page)));

  // The refusal is a message box, smaller than the main window, which would show too.
  const second = await open();
  ({ box } = await drawn(second, await shot(second, "second-tab")));
  check("a second tab is refused with a message while the first plays",
        box && box.width < mainSize.width && box.height < mainSize.height, JSON.stringify(box));
  await second.close();

  await page.reload();
  await open(page);
  check("after a reload the table is still kept", table.test(await scores(page)), JSON.stringify(await scores(page)));
  const reloaded = await shot(page, "reloaded");
  await click(page, main, 213, 54);  // High-Score
  // From the button they open below the main window, as on the desktop, the screen's edge cutting them off.
  ({ box } = await drawn(page, await shot(page, "reloaded-high-scores"),
                         { before: reloaded, from: { x: 0, y: main.y + main.height } }));
  check("after a reload the high scores show again, below the main window",
        box && near(box.x, main.x) && near(box.width, highScoresSize.width), JSON.stringify(box));
  await click(page, box, 166, 178);  // the high scores' OK

  // OK saves what the dialog shows: the level read back after the reload.
  await click(page, await openOptions(page, main, "reloaded-options"), 70, 210);  // OK
  await sleep(1000);
  check("after a reload the options show the start level kept", /Starting Level=3\r\n/.test(await settings(page)));

  await page.close();
  const later = await open();
  check("once the first tab is closed, a new tab plays", sized((await drawn(later, await shot(later, "new-tab"))).box, mainSize));

  // A browser that keeps nothing for the page (its IndexedDB refused), in a profile of its own.
  const refusing = await (await browser.createBrowserContext()).newPage();
  await refusing.evaluateOnNewDocument(() => {
    IDBFactory.prototype.open = () => { throw new DOMException("refused", "SecurityError"); };
  });
  await open(refusing);
  const notice = await refusing.evaluate(() => document.querySelector("#notice:not([hidden])")?.textContent ?? "");
  ({ box } = await drawn(refusing, await shot(refusing, "storage-refused"), { from: { x: 0, y: main.y - 20 } }));
  check("where the browser refuses storage, the game still plays where it always does and the page says so",
        sized(box, mainSize) && box.y === main.y && /nur, solange dieser Tab offen ist/.test(notice), notice);
} catch (error) {
  if (!failed) console.log("FAIL", error.message);
  failed = true;
} finally {
  await browser.close();
  server.stop();
}
process.exit(failed ? 1 : 0);
