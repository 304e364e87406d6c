// The README's pictures of the studio: each tool in use, saved as docs/pictures/studio/TOOL.png.
// Run by scripts/studio-pictures after the default build. A tool the plug-in does not build yet
// (it draws nothing) gets no picture.
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { missing, open, root } = require("./studio-harness");

const out = path.join(root, "docs/pictures/studio");
const art = path.join(root, "examples/art");

async function main() {
  const why = missing();
  if (why) {
    console.log("studio-pictures: " + why);
    return;
  }
  fs.mkdirSync(out, { recursive: true });
  const motifDir = fs.mkdtempSync(path.join(os.tmpdir(), "studio-pictures-"));
  const motif = path.join(motifDir, "motif.svg");
  // The piggy bank, raised to the document's scale, in the middle of the page.
  const piggy = fs.readFileSync(path.join(art, "piggy-bank-fill.svg"), "utf8")
    .replace(/<svg[^>]*>/, "").replace("</svg>", "");
  fs.writeFileSync(motif, '<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600">' +
    '<g transform="translate(300 200) scale(12.5)" fill="#e76f51">' + piggy + "</g></svg>");

  const shots = [
    { tool: "Rose", paint: "#f4a261", drags: [[[250, 300], [330, 330]], [[520, 330], [600, 300]]] },
    { tool: "Wave", paint: "#2a9d8f", drags: [[[150, 250], [650, 350]]] },
    { tool: "Rhombus", paint: "#e9c46a", drags: [[[250, 200], [550, 420]]] },
    { tool: "Spiral", paint: null, drags: [[[400, 300], [560, 340]]] },
    { tool: "GoldenRect", paint: "#e76f51", drags: [[[200, 180], [600, 300]]] },
    { tool: "Grid", paint: null, drags: [[[200, 150], [600, 450]]] },
    { tool: "PolarMesh", paint: "#e76f51", gradient: true, drags: [[[400, 300], [600, 300]]] },
    { tool: "Mirror", motif: true, drags: [[[400, 320], [420, 320]]] },
    { tool: "Cut", motif: true, drags: [[[400, 320], [420, 360]]] },
    { tool: "RectCut", motif: true, drags: [[[320, 250], [480, 420]]] },
    { tool: "Tile", motif: true, drags: [[[300, 200], [500, 400]]] },
    { tool: "Rosette", motif: true, drags: [[[400, 300], [520, 380]]] },
    { tool: "Spike", motif: true, drags: [[[250, 300], [600, 330]]] },
  ];
  for (const shot of shots) {
    const s = await open();
    try {
      if (shot.motif) {
        await s.importSvg(motif);
        await s.page.getByRole("button", { name: "Select all" }).click();
      }
      if (shot.paint) {
        if (shot.gradient) await s.page.getByLabel("Fill kind").selectOption("linear");
        await s.page.getByLabel("Fill colour").fill(shot.paint);
        await s.idle();
      } else {
        await s.page.getByLabel("Fill kind").selectOption("none");
        await s.idle();
      }
      await s.tool(shot.tool);
      const before = JSON.stringify((await s.dump()).art);
      for (const [from, to] of shot.drags) await s.drag(from, to, 8);
      const after = await s.dump();
      if (JSON.stringify(after.art) === before) {
        console.log("studio-pictures: " + shot.tool + " drew nothing; no picture");
        continue;
      }
      await s.page.mouse.move(5, 5);
      await s.page.screenshot({ path: path.join(out, shot.tool.toLowerCase() + ".png") });
      console.log("studio-pictures: " + shot.tool);
    } finally {
      await s.close();
    }
  }
  // A panel, with a refused value.
  const s = await open();
  try {
    await s.tool("Rose");
    await s.page.getByRole("button", { name: "Rose", exact: true }).dblclick();
    const dialog = s.page.getByRole("dialog", { name: "Rose" });
    await dialog.waitFor();
    await dialog.getByLabel("lobes", { exact: true }).fill("2.5");
    await s.page.screenshot({ path: path.join(out, "panel.png") });
    console.log("studio-pictures: a panel");
  } finally {
    await s.close();
  }
  fs.rmSync(motifDir, { recursive: true, force: true });
}

main().catch((e) => { console.error(e); process.exit(1); });
