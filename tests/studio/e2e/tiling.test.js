// The tile tool through its panel in the studio, and the question a large fill asks.
"use strict";
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { test } = require("node:test");
const { missing, open, anchors, bounds } = require("../studio-harness");

const skip = missing();

function writeSvg(body) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "studio-art-"));
  const file = path.join(dir, "motif.svg");
  fs.writeFileSync(file, '<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600">' + body + "</svg>");
  return file;
}

// A leaf-like motif in the cell's corner, away from its symmetry lines.
const motif = '<path d="M410 280 C460 250 480 230 470 200 C440 210 420 240 410 280 Z" fill="#2a9d8f"/>';

async function tilePanel(s) {
  await s.page.getByRole("button", { name: "Tile", exact: true }).dblclick();
  const dialog = s.page.getByRole("dialog", { name: "Tile" });
  await dialog.waitFor();
  return dialog;
}

test("tile a selected motif in p4m through the panel", { skip: skip || false }, async () => {
  const s = await open();
  try {
    await s.importSvg(writeSvg(motif));
    await s.page.getByRole("button", { name: "Select all" }).click();
    await s.tool("Tile");
    let dialog = await tilePanel(s);
    const symmetry = dialog.getByLabel("symmetry", { exact: true });
    assert.equal(await symmetry.inputValue(), "14");
    await symmetry.selectOption({ label: "11 p4m" });
    await dialog.getByLabel("group_cut_single_lattice", { exact: true }).check();
    assert.equal(await dialog.getByLabel("group_cut_document", { exact: true }).isChecked(), false);
    await dialog.getByRole("button", { name: "OK" }).click();
    await dialog.waitFor({ state: "detached" });

    // The cell's corner at (400, 300), 100 wide: p4m's tile is the square of side 200 about it.
    await s.drag([400, 300], [500, 400]);
    const dump = await s.dump();
    assert.equal(dump.alerts.length, 0, JSON.stringify(dump.alerts));
    const b = bounds(anchors(dump.art));
    // Eight images of the motif about the corner: as far left as right, as far down as up.
    assert.ok(Math.abs((b.left + b.right) / 2 - 400) < 1e-3, JSON.stringify(b));
    assert.ok(Math.abs((b.bottom + b.top) / 2 - 300) < 1e-3, JSON.stringify(b));

    // The panel opens on the group it was given: the tool's values, sent to the panel, in the dump.
    dialog = await tilePanel(s);
    assert.equal(await dialog.getByLabel("symmetry", { exact: true }).inputValue(), "11");
    const sent = (await s.dump()).panels.pop();
    assert.equal(sent.extension, "com.zarvo.Tile");
    assert.match(sent.sent, /"symmetry" : "11"/);
    assert.match(sent.sent, /"group_cut_single_lattice" : "1"/);
    await dialog.getByRole("button", { name: "Cancel" }).click();
  } finally {
    await s.close();
  }
});

test("a fill that would make a lot of art asks first, and No takes the drag back", { skip: skip || false }, async () => {
  const s = await open();
  try {
    await s.importSvg(writeSvg(motif));
    await s.page.getByRole("button", { name: "Select all" }).click();
    await s.tool("Tile");
    const dialog = await tilePanel(s);
    await dialog.getByLabel("symmetry", { exact: true }).selectOption("17");
    await dialog.getByLabel("group_cut_artboard", { exact: true }).check();
    await dialog.getByRole("button", { name: "OK" }).click();
    await dialog.waitFor({ state: "detached" });
    const before = (await s.dump()).art;

    const a = await s.at(445, 360), b = await s.at(470, 385);
    await s.page.mouse.move(a.x, a.y);
    await s.page.mouse.down();
    await s.page.mouse.move(b.x, b.y, { steps: 2 });
    await s.idle();
    await s.page.mouse.up();
    const question = s.page.getByRole("alertdialog");
    await question.waitFor();
    assert.match(await question.textContent(), /That's a lot of art you're going to create\. Proceed\?/);
    await question.getByRole("button", { name: "No" }).click();
    const dump = await s.dump();
    assert.deepEqual(dump.art, before);
    assert.equal(dump.questions.pop().answer, false);
  } finally {
    await s.close();
  }
});
