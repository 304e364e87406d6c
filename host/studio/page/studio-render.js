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

  // A point of a chain of cubic Béziers (3k + 1 points) at t in 0 … 1.
  function chainAt(pts, t) {
    var k = Math.max(1, Math.floor((pts.length - 1) / 3));
    var s = Math.min(Math.max(t, 0), 1) * k, i = Math.min(Math.floor(s), k - 1), u = s - i, w = 1 - u;
    var p0 = pts[3 * i], p1 = pts[3 * i + 1], p2 = pts[3 * i + 2], p3 = pts[3 * i + 3];
    return [0, 1].map(function (d) {
      return w * w * w * p0[d] + 3 * w * w * u * p1[d] + 3 * w * u * u * p2[d] + u * u * u * p3[d];
    });
  }

  function rgbOf(c) {
    var m = /rgb\((\d+),(\d+),(\d+)\)/.exec(colour(c)) || [0, 128, 128, 128];
    return [Number(m[1]) / 255, Number(m[2]) / 255, Number(m[3]) / 255];
  }


  // Each patch as a Coons patch of its four curves, its corners' colours blended across it.
  Renderer.prototype.mesh = function (art) {
    var g = make("g");
    var I = art.columns, J = art.rows, nodes = art.nodes || [];  // patches across and up
    // Each patch in PIECES × PIECES small quads: finer for a mesh of few patches.
    var PIECES = Math.max(2, Math.min(12, Math.ceil(48 / Math.sqrt(Math.max(1, I * J)))));
    function node(c, r) { return nodes[r * (I + 1) + c]; }
    function curve(list, index) { return (list && list[index]) || []; }
    for (var r = 0; r < J; r++) {
      for (var c = 0; c < I; c++) {
        var bottom = curve(art.rowCurves, r * I + c), top = curve(art.rowCurves, (r + 1) * I + c);
        var left = curve(art.columnCurves, c * J + r), right = curve(art.columnCurves, (c + 1) * J + r);
        if (bottom.length < 4 || top.length < 4 || left.length < 4 || right.length < 4) continue;
        var corners = [node(c, r), node(c + 1, r), node(c, r + 1), node(c + 1, r + 1)];
        if (corners.some(function (n) { return !n; })) continue;
        var k00 = rgbOf(corners[0].colour), k10 = rgbOf(corners[1].colour);
        var k01 = rgbOf(corners[2].colour), k11 = rgbOf(corners[3].colour);
        var p00 = bottom[0], p10 = bottom[bottom.length - 1], p01 = top[0], p11 = top[top.length - 1];
        var at = function (u, v) {
          var b = chainAt(bottom, u), t = chainAt(top, u), l = chainAt(left, v), rr = chainAt(right, v);
          return [0, 1].map(function (d) {
            return (1 - v) * b[d] + v * t[d] + (1 - u) * l[d] + u * rr[d] -
                   ((1 - u) * (1 - v) * p00[d] + u * (1 - v) * p10[d] + (1 - u) * v * p01[d] + u * v * p11[d]);
          });
        };
        for (var j = 0; j < PIECES; j++) {
          for (var i = 0; i < PIECES; i++) {
            var u0 = i / PIECES, u1 = (i + 1) / PIECES, v0 = j / PIECES, v1 = (j + 1) / PIECES;
            var um = (u0 + u1) / 2, vm = (v0 + v1) / 2;
            var rgb = [0, 1, 2].map(function (d) {
              return (1 - um) * (1 - vm) * k00[d] + um * (1 - vm) * k10[d] + (1 - um) * vm * k01[d] + um * vm * k11[d];
            });
            var fill = css(rgb[0], rgb[1], rgb[2]);
            var quad = [at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)];
            g.appendChild(make("polygon", { points: quad.map(function (p) { return p[0] + "," + p[1]; }).join(" "),
                                            fill: fill, stroke: fill, "stroke-width": "0.6",
                                            "vector-effect": "non-scaling-stroke" }));
          }
        }
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
