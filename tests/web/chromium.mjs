// What the browser test and the start-up measurement share: a site served on
// this machine only, and Debian's Chromium, headless, that reaches nothing
// but that server.
import { spawn } from "node:child_process";
import { setTimeout as sleep } from "node:timers/promises";
import puppeteer from "puppeteer-core";

// Serves `dir` at the returned origin until `stop()`.
export async function serve(dir, port) {
  const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1", "--directory", dir],
                       { stdio: "ignore" });
  await sleep(500);
  return { origin: `http://127.0.0.1:${port}`, stop: () => server.kill() };
}

export function launch() {
  return puppeteer.launch({
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
}
