// Loads two sites in turn in headless Chromium, each load in a fresh profile,
// and prints for each the milliseconds from the start of the navigation to
// the program's report of its first paint (?firstpaint), with their median.
//   node measure_startup.mjs SITE_A SITE_B LOADS
import { spawn } from "node:child_process";
import { createRequire } from "node:module";
import { setTimeout as sleep } from "node:timers/promises";

const puppeteer = createRequire(new URL("../../tests/web/package.json", import.meta.url))("puppeteer-core");
const [siteA, siteB, loads] = [process.argv[2], process.argv[3], Number(process.argv[4] ?? 9)];
const sites = [siteA, siteB].map((dir, i) => ({ dir, port: 8600 + (process.pid % 300) * 2 + i, times: [] }));
const servers = sites.map(s => spawn("python3", ["-m", "http.server", String(s.port), "--bind", "127.0.0.1",
                                                  "--directory", s.dir], { stdio: "ignore" }));
await sleep(500);
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium", headless: true,
  args: ["--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--window-size=1024,768", "--disable-background-networking", "--no-first-run"],
});

async function firstPaint(site) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const painted = new Promise(resolve => page.on("console", m => {
    const at = /first paint at (\d+) ms/.exec(m.text());
    if (at) resolve(Number(at[1]));
  }));
  await page.goto(`http://127.0.0.1:${site.port}/?firstpaint`);
  const at = await Promise.race([painted, sleep(60000).then(() => NaN)]);
  const origin = await page.evaluate(() => performance.timeOrigin);
  await context.close();
  return at - origin;
}

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
await firstPaint(sites[0]);  // warm-up: the server's files in the system's cache
for (let i = 0; i < loads; i++) {
  for (const site of sites) site.times.push(await firstPaint(site));
}
for (const site of sites) {
  console.log(`${site.dir}: median ${median(site.times).toFixed(0)} ms; loads ${site.times.map(t => t.toFixed(0)).join(" ")}`);
}
console.log(`ratio ${(median(sites[0].times) / median(sites[1].times)).toFixed(2)}x`);
await browser.close();
servers.forEach(s => s.kill());
