// The polar mesh through its panel in the studio: colour mode 4 sweeps the fill's gradient around
// the circle.
"use strict";
const assert = require("node:assert/strict");
const { test } = require("node:test");
const { missing, open } = require("../studio-harness");

const skip = missing();

test("a polar mesh in colour mode 4 takes the gradient around the circle", { skip: skip || false }, async () => {
  const s = await open();
  try {
    await s.page.getByLabel("Fill kind").selectOption("linear");
    await s.page.getByLabel("Fill colour").fill("#ff0000");
    await s.page.getByLabel("Fill end colour").fill("#0000ff");
    await s.idle();
    await s.tool("PolarMesh");
    await s.click(400, 300);
    const dialog = s.page.getByRole("dialog", { name: "PolarMesh" });
    await dialog.waitFor();
    const mode = dialog.getByLabel("colorMode", { exact: true });
    assert.equal(await mode.inputValue(), "1");
    assert.deepEqual(await mode.locator("option").evaluateAll((o) => o.map((x) => x.value)), ["0", "1", "2", "3", "4"]);
    await mode.selectOption("4");
    await dialog.getByLabel("outerRadius", { exact: true }).fill("120");
    await dialog.getByLabel("radialLines", { exact: true }).fill("8");
    await dialog.getByRole("button", { name: "OK" }).click();
    await dialog.waitFor({ state: "detached" });

    const dump = await s.dump();
    assert.equal(dump.art.length, 1);
    const mesh = dump.art[0];
    assert.equal(mesh.kind, "mesh");
    // Eight sectors and two ring gaps: nine spokes (the last on the first) on three rings.
    assert.equal(mesh.columns, 8);
    assert.equal(mesh.rows, 2);
    const across = mesh.columns + 1, rings = mesh.rows + 1;
    assert.equal(mesh.nodes.length, across * rings);
    const node = (c, r) => mesh.nodes[r * across + c];
    const outer = rings - 1;
    // Centred on the click, the outer ring 120 away.
    assert.ok(Math.abs(node(0, outer).p[0] - 520) < 1e-3 && Math.abs(node(0, outer).p[1] - 300) < 1e-3,
              JSON.stringify(node(0, outer).p));
    // Spoke 0 and spoke 8 take the gradient's two ends; spoke 4, half way round, the middle.
    for (let r = 0; r < rings; r++) {
      assert.deepEqual(node(0, r).colour.rgb.map((v) => Math.round(v * 100) / 100), [1, 0, 0]);
      assert.deepEqual(node(8, r).colour.rgb.map((v) => Math.round(v * 100) / 100), [0, 0, 1]);
      const middle = node(4, r).colour.rgb;
      assert.ok(Math.abs(middle[0] - 0.5) < 0.02 && Math.abs(middle[2] - 0.5) < 0.02, JSON.stringify(middle));
    }
    assert.equal(dump.undo[dump.undo.length - 1], "Undo Polar Mesh");
  } finally {
    await s.close();
  }
});
