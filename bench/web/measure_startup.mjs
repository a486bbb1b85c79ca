// Loads two sites in turn in headless Chromium, each load in a fresh profile,
// and prints for each the milliseconds from the start of the navigation to
// the program's report of its first paint (?firstpaint), with their median.
//   node measure_startup.mjs SITE_A SITE_B LOADS
import { setTimeout as sleep } from "node:timers/promises";
import { launch, serve } from "../../tests/web/chromium.mjs";

const [siteA, siteB, loads] = [process.argv[2], process.argv[3], Number(process.argv[4] ?? 9)];
const base = 8600 + (process.pid % 300) * 2;
const sites = await Promise.all([siteA, siteB].map(async (dir, i) => ({ dir, times: [], ...await serve(dir, base + i) })));
const browser = await launch();

async function firstPaint(site) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const painted = new Promise(resolve => page.on("console", m => {
    const at = /first paint at (\d+) ms/.exec(m.text());
    if (at) resolve(Number(at[1]));
  }));
  await page.goto(`${site.origin}/?firstpaint`);
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
sites.forEach(s => s.stop());
