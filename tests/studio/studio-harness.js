// Starts `scribera studio` on a free port and Debian's chromium through playwright-core, each
// browser with a new empty profile. Both are stopped by `close()`.
"use strict";
const { spawn } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");

const root = path.resolve(__dirname, "../..");
const scribera = process.env.SCRIBERA || path.join(root, "build/default/host/scribera");
const chromiumPath = process.env.CHROMIUM || "/usr/bin/chromium";
const launchFlags = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync"];

// Why the browser tests cannot run here, or null.
function missing() {
  if (!fs.existsSync(chromiumPath)) return "chromium is not installed (" + chromiumPath + "): the studio's browser tests are skipped";
  try { require.resolve("playwright-core"); } catch (e) {
    return "playwright-core is not installed (npm ci in tests/studio): the studio's browser tests are skipped";
  }
  if (!fs.existsSync(scribera)) return "scribera is not built (" + scribera + ")";
  return null;
}

function startStudio(args) {
  return new Promise((resolve, reject) => {
    const child = spawn(scribera, ["studio", "--port", "0"].concat(args || []), { stdio: ["ignore", "pipe", "pipe"] });
    let out = "", err = "";
    const timer = setTimeout(() => { child.kill("SIGTERM"); reject(new Error("the studio did not start: " + err)); }, 20000);
    child.stdout.on("data", (d) => {
      out += d;
      const m = /http:\/\/127\.0\.0\.1:(\d+)\//.exec(out);
      if (m) { clearTimeout(timer); resolve({ child, url: m[0], stderr: () => err }); }
    });
    child.stderr.on("data", (d) => { err += d; });
    child.on("exit", (code) => { clearTimeout(timer); reject(new Error("the studio ended (" + code + "): " + err)); });
  });
}

async function open(args) {
  const { chromium } = require("playwright-core");
  const studio = await startStudio(args);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "studio-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath, headless: true, args: launchFlags, viewport: { width: 1280, height: 860 },
    acceptDownloads: true,
  });
  const page = context.pages()[0] || (await context.newPage());
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.goto(studio.url);
  await page.getByRole("button", { name: "Rose", exact: true }).waitFor();
  const session = {
    page, url: studio.url, errors,
    async idle() { await page.evaluate(() => window.studioIdle()); },
    async dump() { await session.idle(); return (await page.request.get(studio.url + "document.json")).json(); },
    // The page point of a document point.
    async at(x, y) {
      return page.evaluate(([x, y]) => {
        const g = document.getElementById("art");
        const p = document.getElementById("surface").createSVGPoint();
        p.x = x; p.y = y;
        const q = p.matrixTransform(g.getScreenCTM());
        return { x: q.x, y: q.y };
      }, [x, y]);
    },
    async drag(from, to, steps) {
      const a = await session.at(from[0], from[1]), b = await session.at(to[0], to[1]);
      await page.mouse.move(a.x, a.y);
      await page.mouse.down();
      await page.mouse.move(b.x, b.y, { steps: steps || 5 });
      await session.idle();
      await page.mouse.up();
      await session.idle();
    },
    async click(x, y) {
      const a = await session.at(x, y);
      await page.mouse.click(a.x, a.y);
      await session.idle();
    },
    async tool(name) {
      await page.getByRole("button", { name, exact: true }).click();
      await session.idle();
    },
    async importSvg(file) {
      const chooser = page.waitForEvent("filechooser");
      await page.getByRole("button", { name: "Import SVG" }).click();
      await (await chooser).setFiles(file);
      await page.locator("#art [data-index]").first().waitFor();
      await session.idle();
    },
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
      studio.child.kill("SIGTERM");
      await new Promise((r) => studio.child.once("exit", r));
    },
  };
  return session;
}

// Every anchor of every path in the dump's art.
function anchors(art) {
  const out = [];
  (function walk(list) {
    for (const a of list) {
      if (a.anchors) out.push(...a.anchors.map((x) => x.p));
      if (a.children) walk(a.children);
    }
  })(art);
  return out;
}

function bounds(points) {
  const xs = points.map((p) => p[0]), ys = points.map((p) => p[1]);
  return { left: Math.min(...xs), right: Math.max(...xs), bottom: Math.min(...ys), top: Math.max(...ys) };
}

module.exports = { missing, open, anchors, bounds, root };
