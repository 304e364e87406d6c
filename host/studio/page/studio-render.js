// Draws the document's JSON dump as SVG: every top-level object in a <g data-index="N"> (N as the
// dump and the `select` command count, 0 the topmost), inside one <g> whose transform maps document
// coordinates (vertical axis up) to the page.
(function (root) {
  "use strict";
  var NS = "http://www.w3.org/2000/svg";

  function channel(v) { return Math.round(Math.max(0, Math.min(1, v)) * 255); }
  function css(r, g, b) { return "rgb(" + channel(r) + "," + channel(g) + "," + channel(b) + ")"; }

  function colour(c) {
    if (!c) return "none";
    if (c.rgb) return css(c.rgb[0], c.rgb[1], c.rgb[2]);
    if (c.gray !== undefined) return css(1 - c.gray, 1 - c.gray, 1 - c.gray);
    if (c.cmyk) {
      var k = 1 - c.cmyk[3];
      return css((1 - c.cmyk[0]) * k, (1 - c.cmyk[1]) * k, (1 - c.cmyk[2]) * k);
    }
    if (c.tint !== undefined) return css(1 - c.tint, 1 - c.tint, 1 - c.tint);
    return "#999";
  }

  function make(tag, attributes) {
    var e = document.createElementNS(NS, tag);
    Object.keys(attributes || {}).forEach(function (k) { e.setAttribute(k, attributes[k]); });
    return e;
  }

  function Renderer(defs) { this.defs = defs; this.count = 0; }

  Renderer.prototype.paint = function (p) {
    if (!p) return "none";
    if (!p.gradient) return colour(p);
    var id = "grad" + this.count++;
    var g;
    var o = p.origin || [0, 0], len = p.length || 1;
    if (p.gradient === "radial") {
      g = make("radialGradient", { id: id, gradientUnits: "userSpaceOnUse", cx: o[0], cy: o[1], r: Math.abs(len) });
    } else {
      var a = (p.angle || 0) * Math.PI / 180;
      g = make("linearGradient", { id: id, gradientUnits: "userSpaceOnUse", x1: o[0], y1: o[1],
                                   x2: o[0] + len * Math.cos(a), y2: o[1] + len * Math.sin(a) });
    }
    if (p.matrix) g.setAttribute("gradientTransform", "matrix(" + p.matrix.join(",") + ")");
    (p.stops || []).forEach(function (s) {
      g.appendChild(make("stop", { offset: (s.position / 100), "stop-color": colour(s.colour) }));
    });
    this.defs.appendChild(g);
    return "url(#" + id + ")";
  };

  function pathData(anchors, closed) {
    if (!anchors || !anchors.length) return "";
    var d = "M" + anchors[0].p[0] + " " + anchors[0].p[1];
    var n = anchors.length;
    for (var i = 1; i <= (closed ? n : n - 1); i++) {
      var a = anchors[i - 1], b = anchors[i % n];
      d += "C" + a.out[0] + " " + a.out[1] + " " + b.in[0] + " " + b.in[1] + " " + b.p[0] + " " + b.p[1];
    }
    return d + (closed ? "Z" : "");
  }

  Renderer.prototype.paths = function (art, out) {
    if (art.kind === "path") out.push(pathData(art.anchors, art.closed));
    else (art.children || []).forEach(function (c) { this.paths(c, out); }, this);
    return out;
  };

  Renderer.prototype.style = function (e, style) {
    e.setAttribute("fill", this.paint(style && style.fill));
    e.setAttribute("stroke", this.paint(style && style.stroke));
    e.setAttribute("fill-rule", style && style.evenodd ? "evenodd" : "nonzero");
    e.setAttribute("vector-effect", "non-scaling-stroke");
  };

  Renderer.prototype.mesh = function (art) {
    var g = make("g");
    var I = art.columns, J = art.rows, nodes = art.nodes || [];
    function node(c, r) { return nodes[r * I + c]; }
    function curve(list, index) { return list && list[index]; }
    for (var r = 0; r + 1 < J; r++) {
      for (var c = 0; c + 1 < I; c++) {
        var bottom = curve(art.rowCurves, r * I + c), top = curve(art.rowCurves, (r + 1) * I + c);
        var left = curve(art.columnCurves, c * J + r), right = curve(art.columnCurves, (c + 1) * J + r);
        var pts = [];
        [bottom, right].forEach(function (k) { if (k) pts = pts.concat(k); });
        [top, left].forEach(function (k) { if (k) pts = pts.concat(k.slice().reverse()); });
        if (!pts.length) continue;
        var corners = [node(c, r), node(c + 1, r), node(c + 1, r + 1), node(c, r + 1)].filter(Boolean);
        var rgb = [0, 0, 0];
        corners.forEach(function (n) {
          var m = /rgb\((\d+),(\d+),(\d+)\)/.exec(colour(n.colour)) || [0, 128, 128, 128];
          for (var i = 0; i < 3; i++) rgb[i] += Number(m[i + 1]) / 255 / corners.length;
        });
        var poly = make("polygon", { points: pts.map(function (p) { return p[0] + "," + p[1]; }).join(" "),
                                     fill: css(rgb[0], rgb[1], rgb[2]), stroke: css(rgb[0], rgb[1], rgb[2]),
                                     "stroke-width": "0.5", "vector-effect": "non-scaling-stroke" });
        g.appendChild(poly);
      }
    }
    return g;
  };

  Renderer.prototype.art = function (art) {
    var e;
    if (art.kind === "path" || art.kind === "compound") {
      e = make("path", { d: this.paths(art, []).join(" ") });
      var style = art.style || (art.children && art.children[0] && art.children[0].style);
      this.style(e, style);
    } else if (art.kind === "group") {
      e = make("g");
      var children = (art.children || []).slice().reverse();  // SVG paints the bottom first
      if (art.clipped && children.length) {
        var clip = art.children[0];
        var id = "clip" + this.count++;
        var cp = make("clipPath", { id: id });
        cp.appendChild(make("path", { d: this.paths(clip, []).join(" ") }));
        this.defs.appendChild(cp);
        e.setAttribute("clip-path", "url(#" + id + ")");
        children = children.slice(0, -1);
      }
      children.forEach(function (c) { e.appendChild(this.art(c)); }, this);
    } else if (art.kind === "mesh") {
      e = this.mesh(art);
    } else {
      e = make("g");
    }
    if (art.selected) e.setAttribute("data-selected", "true");
    return e;
  };

  // Fills `svg` with the document at `scale` pixels per unit; returns the art group.
  function drawDocument(svg, dump, scale) {
    while (svg.firstChild) svg.removeChild(svg.firstChild);
    var d = dump.document, view = d.view;  // [L, B, R, T]
    var left = Math.min(view[0], view[2]), right = Math.max(view[0], view[2]);
    var bottom = Math.min(view[1], view[3]), top = Math.max(view[1], view[3]);
    var w = Math.max(1, (right - left) * scale), h = Math.max(1, (top - bottom) * scale);
    svg.setAttribute("width", w);
    svg.setAttribute("height", h);
    svg.setAttribute("viewBox", "0 0 " + w + " " + h);
    var defs = make("defs");
    svg.appendChild(defs);
    var g = make("g", { id: "art", transform: "matrix(" + [scale, 0, 0, -scale, -left * scale, top * scale].join(",") + ")" });
    g.appendChild(make("rect", { x: 0, y: 0, width: d.width, height: d.height, fill: "white", stroke: "#666",
                                 "vector-effect": "non-scaling-stroke", "data-artboard": "true" }));
    var renderer = new Renderer(defs);
    var items = dump.art || [];
    for (var i = items.length - 1; i >= 0; i--) {
      var e = renderer.art(items[i]);
      e.setAttribute("data-index", String(i));
      g.appendChild(e);
    }
    // The selection drawn on top, as an outline.
    var outline = make("g", { "class": "selection", fill: "none", stroke: "#1e88e5", "pointer-events": "none" });
    items.forEach(function (item) {
      if (!item.selected) return;
      renderer.paths(item, []).forEach(function (pd) {
        outline.appendChild(make("path", { d: pd, "vector-effect": "non-scaling-stroke" }));
      });
    });
    g.appendChild(outline);
    svg.appendChild(g);
    return g;
  }

  root.StudioRender = { drawDocument: drawDocument, pathData: pathData, colour: colour };
})(window);
