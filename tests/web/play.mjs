// The web page end to end, in Debian's headless Chromium driven through the
// DevTools protocol: it serves build-web/site/ on this machine, plays a game
// with keys to its end, enters a name with an umlaut, and checks the high
// scores and options through reloads, the bytes the browser keeps, and a
// second tab. Prints each check; fails on the first that does not hold.
//   node tests/web/play.mjs [SITE_DIR]      (screenshots go to $SHOTS or /tmp)
import { spawn } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { setTimeout as sleep } from "node:timers/promises";
import puppeteer from "puppeteer-core";

const site = process.argv[2] ?? new URL("../../build-web/site", import.meta.url).pathname;
const shots = process.env.SHOTS ?? "/tmp";
mkdirSync(shots, { recursive: true });
const port = 8300 + (process.pid % 500);
const origin = `http://127.0.0.1:${port}`;
const mainSize = { width: 336, height: 328 };  // the main window, in page pixels

const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1", "--directory", site],
                     { stdio: "ignore" });
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: [
    "--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
    "--window-size=1024,768",
    // Nothing but the page's own server: no updates, no telemetry, no name lookups.
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--disable-domain-reliability", "--no-first-run", "--no-pings",
    "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
  ],
});

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
  await page.goto(origin + "/");
  await page.waitForFunction(() => !document.querySelector("canvas").classList.contains("waiting"), { timeout: 60000 });
  await sleep(4000);  // WebGL on SwiftShader: the first paint takes a moment
  return page;
}

// The boxes of what the program drew on its screen: every region of the
// canvas that differs from the screen's bare background, found in a
// screenshot of the page.
async function windows(page, name) {
  const path = `${shots}/web-${name}.png`;
  const png = await page.screenshot({ encoding: "base64" });
  writeFileSync(path, Buffer.from(png, "base64"));
  return page.evaluate(async data => {
    const image = new Image();
    image.src = "data:image/png;base64," + data;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const screen = document.querySelector("#screen").getBoundingClientRect();
    const pixels = context.getImageData(0, 0, image.width, screen.height).data;
    const at = (x, y) => (y * image.width + x) * 4;
    const corner = at(2, Math.floor(screen.height) - 3);  // the screen's own grey, below any notice
    const background = pixels.slice(corner, corner + 3).join();
    const differs = (x, y) => pixels.slice(at(x, y), at(x, y) + 3).join() !== background;
    // Column by column, then row by row: windows never overlap in these checks.
    const boxes = [];
    const seen = new Uint8Array(image.width * screen.height);
    for (let y = 0; y < screen.height; y += 2) {
      for (let x = 0; x < image.width; x += 2) {
        if (seen[y * image.width + x] || !differs(x, y)) continue;
        let right = x, bottom = y;
        while (right + 1 < image.width && differs(right + 1, y)) right++;
        while (bottom + 1 < screen.height && differs(x, bottom + 1)) bottom++;
        for (let yy = y; yy <= bottom; yy++) for (let xx = x; xx <= right; xx++) seen[yy * image.width + xx] = 1;
        if (right - x > 20 && bottom - y > 20) boxes.push({ x, y, width: right - x + 1, height: bottom - y + 1 });
      }
    }
    // A Qt dialog's face is near white, which the skin never is: it shows a
    // dialog even where it lies over the main window.
    let light = 0;
    for (let i = 0; i < pixels.length; i += 16) light += pixels[i] >= 235 && pixels[i + 1] >= 235 && pixels[i + 2] >= 235;
    return { png: data, boxes, light, screen: { width: Math.round(screen.width), height: Math.round(screen.height) } };
  }, png);
}

// The bytes of a kept file, read from the browser's IndexedDB as IDBFS stored it.
async function keptBytes(page, folder, file) {
  return page.evaluate((folder, file) => new Promise((resolve, reject) => {
    const request = indexedDB.open(folder);
    request.onerror = () => reject(request.error);
    request.onsuccess = () => {
      const get = request.result.transaction("FILE_DATA").objectStore("FILE_DATA").get(`${folder}/${file}`);
      get.onsuccess = () => resolve(get.result ? Array.from(get.result.contents) : null);
      get.onerror = () => reject(get.error);
    };
  }), folder, file);
}
// The box in which two screenshots differ, right of and below `from`: the
// window that opened or closed between them.
async function changedBox(page, before, after, from = { x: 0, y: 0 }) {
  return page.evaluate(async (before, after, from) => {
    const pixelsOf = async data => {
      const image = new Image();
      image.src = "data:image/png;base64," + data;
      await image.decode();
      const canvas = Object.assign(document.createElement("canvas"), { width: image.width, height: image.height });
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      return { width: image.width, data: context.getImageData(0, 0, image.width, image.height).data };
    };
    const a = await pixelsOf(before), b = await pixelsOf(after);
    let left = Infinity, top = Infinity, right = -1, bottom = -1;
    for (let i = 0; i < a.data.length; i += 4) {
      if (a.data[i] === b.data[i] && a.data[i + 1] === b.data[i + 1] && a.data[i + 2] === b.data[i + 2]) continue;
      const x = (i / 4) % a.width, y = Math.floor(i / 4 / a.width);
      if (x < from.x || y < from.y) continue;
      left = Math.min(left, x); right = Math.max(right, x); top = Math.min(top, y); bottom = Math.max(bottom, y);
    }
    return right < 0 ? null : { x: left, y: top, width: right - left + 1, height: bottom - top + 1 };
  }, before.png, after.png, from);
}

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

// Where the desktop puts the high scores: the middle of the screen.
const highScoresSize = { width: 334, height: 217 };
const isHighScores = (box, screen) => box && Math.abs(box.width - highScoresSize.width) <= 2 &&
                                      Math.abs(box.height - highScoresSize.height) <= 2 &&
                                      Math.abs(box.x + box.width / 2 - screen.width / 2) <= 2 &&
                                      Math.abs(box.y + box.height / 2 - screen.height / 2) <= 2;
const latin1 = bytes => (bytes ? Buffer.from(bytes).toString("latin1") : "");

const mainWindowOf = layout => layout.boxes.find(b => Math.abs(b.width - mainSize.width) <= 2 &&
                                                      Math.abs(b.height - mainSize.height) <= 2);
async function click(page, window, x, y) {
  await page.mouse.click(window.x + x, window.y + y);
  await sleep(700);
}

const scoresFolder = "/home/web_user/.local/share/fallox";
const settingsFolder = "/home/web_user/.config/fallox";

try {
  const page = await open();
  let layout = await windows(page, "start");
  const main = mainWindowOf(layout);
  check("the main window shows, centred on the page's screen", main &&
        Math.abs(main.x + main.width / 2 - layout.screen.width / 2) <= 2 &&
        Math.abs(main.y + main.height / 2 - layout.screen.height / 2) <= 2, JSON.stringify(main));
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
  layout = await windows(page, "name-box");
  check("the game ends and asks for a name in a box of its own", layout.light > 5000, `${layout.light} light pixels`);
  check("the arrow keys do not scroll the page", (await page.evaluate(() => scrollY)) === scrolled);
  await typeText(page, "Jürgen");
  await page.keyboard.press("Enter");
  await sleep(2500);
  const highScores = await windows(page, "high-scores");
  const centre = { x: layout.screen.width / 2, y: layout.screen.height / 2 };
  await click(page, { x: centre.x - highScoresSize.width / 2, y: centre.y - highScoresSize.height / 2 }, 166, 178);  // OK
  let box = await changedBox(page, highScores, await windows(page, "high-scores-closed"));
  check("the high scores show in the middle of the screen and close with OK", isHighScores(box, layout.screen),
        JSON.stringify(box));

  const table = /^J\xfcrgen:[1-9][0-9]*\r\n(None:0\r\n){4}$/;
  let scores = latin1(await keptBytes(page, scoresFolder, "scores.lst"));
  check("scores.lst in the browser holds the name in Windows-1252 with CR LF", table.test(scores),
        JSON.stringify(scores));

  const beforeOptions = await windows(page, "before-options");
  await click(page, main, 213, 70);  // Option
  // The well may repaint meanwhile: only what changed right of the main window counts.
  const options = await changedBox(page, beforeOptions, await windows(page, "options"),
                                 { x: main.x + main.width - 4, y: 0 });
  check("the options open beside the main window, their tops level",
        options && Math.abs(options.x - (main.x + main.width)) <= 2 && Math.abs(options.y - main.y) <= 2,
        JSON.stringify(options));
  await click(page, options, 140, 73);  // the level box
  await page.keyboard.press("Backspace");
  await page.keyboard.type("3");
  await click(page, options, 70, 210);  // OK
  await sleep(1000);
  const settings = latin1(await keptBytes(page, settingsFolder, "Brixel32.ini"));
  check("Brixel32.ini in the browser holds the start level with CR LF", /Starting Level=3\r\n/.test(settings),
        JSON.stringify(settings));

  const second = await open();
  layout = await windows(second, "second-tab");
  check("a second tab is refused with a message while the first plays",
        layout.boxes.length === 1 && !mainWindowOf(layout), JSON.stringify(layout.boxes));
  await second.close();

  await page.reload();
  await open(page);
  scores = latin1(await keptBytes(page, scoresFolder, "scores.lst"));
  check("after a reload the table is still kept", table.test(scores), JSON.stringify(scores));
  layout = await windows(page, "reloaded");
  await click(page, mainWindowOf(layout), 213, 54);  // High-Score
  // From the button they open below the main window, as on the desktop, the screen's edge cutting them off.
  box = await changedBox(page, layout, await windows(page, "reloaded-high-scores"), { x: 0, y: main.y + main.height });
  check("after a reload the high scores show again, below the main window",
        box && Math.abs(box.x - main.x) <= 2 && Math.abs(box.width - highScoresSize.width) <= 2, JSON.stringify(box));

  await click(page, box, 166, 178);  // the high scores' OK
  // OK saves what the dialog shows: the level read back after the reload.
  const reloadedOptions = await windows(page, "reloaded-options-before");
  await click(page, main, 213, 70);  // Option
  box = await changedBox(page, reloadedOptions, await windows(page, "reloaded-options"), { x: main.x + main.width - 4, y: 0 });
  check("after a reload the options show again", box && Math.abs(box.x - (main.x + main.width)) <= 2, JSON.stringify(box));
  await click(page, box, 70, 210);  // OK
  await sleep(1000);
  check("after a reload the options show the start level kept",
        /Starting Level=3\r\n/.test(latin1(await keptBytes(page, settingsFolder, "Brixel32.ini"))));

  await page.close();
  const later = await open();
  check("once the first tab is closed, a new tab plays", Boolean(mainWindowOf(await windows(later, "new-tab"))));

  // A browser that keeps nothing for the page (its IndexedDB refused), in a profile of its own.
  const refusing = await (await browser.createBrowserContext()).newPage();
  await refusing.evaluateOnNewDocument(() => {
    IDBFactory.prototype.open = () => { throw new DOMException("refused", "SecurityError"); };
  });
  await open(refusing);
  const notice = await refusing.evaluate(() => document.querySelector("#notice:not([hidden])")?.textContent ?? "");
  check("where the browser refuses storage, the game still plays where it always does and the page says so",
        mainWindowOf(await windows(refusing, "storage-refused"))?.y === main.y && /nur, solange dieser Tab offen ist/.test(notice),
        notice);
} catch (error) {
  if (!failed) console.log("FAIL", error.message);
  failed = true;
} finally {
  await browser.close();
  server.kill();
}
process.exit(failed ? 1 : 0);
