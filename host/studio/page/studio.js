// The studio page: the toolbox, the document surface, the panels and the commands, all through the
// server's JSON routes (docs/studio.md). Requests go one at a time, in order.
(function () {
  "use strict";

  var KEYS = { ArrowUp: "Up", ArrowDown: "Down", ArrowLeft: "Left", ArrowRight: "Right", Escape: "Escape",
               c: "C", m: "M", p: "P", r: "R", t: "T" };
  var state = null;
  var scale = 1;
  var queue = Promise.resolve();
  var keysHeld = new Set();
  var modifierKeys = { shift: false, alt: false, control: false, meta: false };
  var mouse = { down: false, moved: false, last: null, pendingDrag: null };
  var panelOpen = null;
  var $ = function (id) { return document.getElementById(id); };

  // ---- talking to the server ----

  function send(route, body) {
    queue = queue.then(function () {
      var watching = watchQuestions();
      return fetch(route, { method: "POST", headers: { "Content-Type": "application/json" },
                            body: JSON.stringify(body || {}) })
        .then(function (res) { return res.json().then(function (json) { return { status: res.status, json: json }; }); })
        .then(function (r) {
          if (r.status !== 200) { showError(r.json.error || ("refused (" + r.status + ")")); return; }
          update(r.json);
        })
        .catch(function (e) { showError("The studio cannot be reached: " + e.message); })
        .then(function () { clearInterval(watching); closeQuestion(); });
    });
    return queue;
  }

  // While an action is out, the plug-in may ask a yes/no question; the action waits for the answer.
  var questionShown = false;
  function watchQuestions() {
    return setInterval(function () {
      if (questionShown) return;
      fetch("/question").then(function (r) { return r.json(); }).then(function (q) {
        if (q.question && !questionShown) showQuestion(q.question);
      }).catch(function () {});
    }, 250);
  }

  function showQuestion(text) {
    questionShown = true;
    var box = document.createElement("div");
    box.className = "studio-dialog studio-question";
    box.id = "question";
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-labelledby", "question-text");
    var p = document.createElement("p");
    p.id = "question-text";
    p.textContent = text;
    box.appendChild(p);
    var buttons = document.createElement("div");
    buttons.className = "zarvo-buttons";
    [["Yes", true], ["No", false]].forEach(function (b) {
      var button = document.createElement("button");
      button.type = "button";
      button.textContent = b[0];
      button.addEventListener("click", function () {
        fetch("/answer", { method: "POST", headers: { "Content-Type": "application/json" },
                           body: JSON.stringify({ yes: b[1] }) });
        closeQuestion();
      });
      buttons.appendChild(button);
    });
    box.appendChild(buttons);
    document.body.appendChild(box);
    box.querySelector("button").focus();
  }

  function closeQuestion() {
    var box = document.getElementById("question");
    if (box) box.remove();
    questionShown = false;
  }

  function showError(text) { $("errors").textContent = text || ""; }

  function update(next) {
    state = next;
    showError(next.ok === false ? next.error : "");
    if (next.alerts && next.alerts.length) $("alerts").textContent = next.alerts.join("\n");
    drawToolbox();
    draw();
    $("undo").disabled = !next.canUndo;
    $("redo").disabled = !next.canRedo;
    $("record").setAttribute("aria-pressed", next.recording ? "true" : "false");
    drawActions();
    if (next.panel && !panelOpen) openToolPanel(next.panel);
  }

  // ---- the toolbox ----

  var drawnTools = "";
  function drawToolbox() {
    var names = ["Select"].concat(state.tools.map(function (t) { return t.name; }));
    var key = names.join(",");
    if (key !== drawnTools) {
      drawnTools = key;
      var box = $("toolbox");
      box.textContent = "";
      names.forEach(function (name) {
        var tool = state.tools.filter(function (t) { return t.name === name; })[0];
        var b = document.createElement("button");
        b.type = "button";
        b.setAttribute("aria-label", name);
        b.title = tool ? tool.title || name : "Select: click selects, Shift-click adds";
        b.dataset.tool = name;
        if (tool && tool.icon) {
          var img = document.createElement("img");
          img.src = "/icons/" + tool.icon + ".png";
          img.alt = "";
          b.appendChild(img);
        } else {
          b.textContent = name === "Select" ? "↖" : name.slice(0, 2);
        }
        b.addEventListener("click", function () { if (state.tool !== name) send("/tool", { name: name }); });
        b.addEventListener("dblclick", function () {
          if (name === "Select") return;
          (state.tool !== name ? send("/tool", { name: name }) : queue).then(function () { send("/edit-options"); });
        });
        box.appendChild(b);
      });
    }
    Array.prototype.forEach.call($("toolbox").children, function (b) {
      b.setAttribute("aria-pressed", b.dataset.tool === state.tool ? "true" : "false");
    });
  }

  // ---- the document ----

  function draw() {
    StudioRender.drawDocument($("surface"), state.document, scale);
    $("zoom").textContent = Math.round(scale * 100) + "%";
  }

  function documentPoint(event) {
    var g = $("art");
    var m = g.getScreenCTM().inverse();
    var p = $("surface").createSVGPoint();
    p.x = event.clientX;
    p.y = event.clientY;
    var q = p.matrixTransform(m);
    return { x: Math.round(q.x * 1000) / 1000, y: Math.round(q.y * 1000) / 1000 };
  }

  function modifiers() {
    var out = [];
    if (modifierKeys.shift) out.push("shift");
    if (modifierKeys.alt) out.push("alt");
    if (modifierKeys.control || $("bit-1000").checked) out.push("0x1000");
    if (modifierKeys.meta || $("bit-0100").checked) out.push("0x0100");
    return out;
  }

  function mouseMessage(event, p) {
    return send("/mouse", { event: event, x: p.x, y: p.y, keys: Array.from(keysHeld), modifiers: modifiers() });
  }

  // Drag steps while a request is out are folded into the latest one.
  function dragTo(p) {
    mouse.last = p;
    if (mouse.pendingDrag) return;
    mouse.pendingDrag = true;
    queue.then(function () {
      mouse.pendingDrag = false;
      if (mouse.down) mouseMessage("drag", mouse.last);
    });
  }

  function selectAt(event) {
    var hit = event.target.closest("[data-index]");
    var indices = [];
    if (event.shiftKey) state.document.art.forEach(function (a, i) { if (a.selected) indices.push(i); });
    if (hit) {
      var i = Number(hit.getAttribute("data-index"));
      if (indices.indexOf(i) < 0) indices.push(i);
    }
    send("/select", { indices: indices.sort(function (a, b) { return a - b; }) });
  }

  function surfaceEvents() {
    var svg = $("surface");
    svg.addEventListener("pointerdown", function (event) {
      if (event.button !== 0 || !state) return;
      event.preventDefault();
      if (state.tool === "Select") return selectAt(event);
      svg.setPointerCapture(event.pointerId);
      modifierKeys.shift = event.shiftKey;
      modifierKeys.alt = event.altKey;
      mouse.down = true;
      mouse.moved = false;
      mouse.last = documentPoint(event);
      mouseMessage("down", mouse.last);
    });
    svg.addEventListener("pointermove", function (event) {
      if (!state) return;
      var p = documentPoint(event);
      $("pointer").textContent = p.x.toFixed(1) + ", " + p.y.toFixed(1);
      if (!mouse.down) return;
      mouse.moved = true;
      dragTo(p);
    });
    function release(event) {
      if (!mouse.down) return;
      mouse.down = false;
      var p = event.type === "pointerup" ? documentPoint(event) : mouse.last;
      queue.then(function () { mouseMessage("up", p); }).then(function () { keysHeld.clear(); });
    }
    svg.addEventListener("pointerup", release);
    svg.addEventListener("pointercancel", release);
  }

  function keyEvents() {
    function modifierKey(event, down) {
      if (event.key === "Shift") modifierKeys.shift = down;
      else if (event.key === "Alt") modifierKeys.alt = down;
      else if (event.key === "Control") modifierKeys.control = down;
      else if (event.key === "Meta") modifierKeys.meta = down;
      else return false;
      return true;
    }
    window.addEventListener("keydown", function (event) {
      if (panelOpen) return;
      var name = KEYS[event.key] || KEYS[event.key.toLowerCase()];
      var isModifier = modifierKey(event, true);
      if (!name && !isModifier) return;
      if (mouse.down) event.preventDefault();
      if (name && !keysHeld.has(name)) {
        keysHeld.add(name);
        if (mouse.down && mouse.last) dragTo(mouse.last);
      } else if (isModifier && mouse.down && mouse.last) {
        dragTo(mouse.last);
      }
    });
    window.addEventListener("keyup", function (event) {
      var name = KEYS[event.key] || KEYS[event.key.toLowerCase()];
      var isModifier = modifierKey(event, false);
      if (mouse.down && (name || isModifier)) event.preventDefault();
      if (name) keysHeld.delete(name);
    });
    window.addEventListener("blur", function () { keysHeld.clear(); });
  }

  // ---- panels ----

  var loadedPanels = {};
  function loadPanel(extension) {
    if (ZarvoPanel.panels[extension]) return Promise.resolve();
    if (loadedPanels[extension]) return loadedPanels[extension];
    loadedPanels[extension] = new Promise(function (resolve, reject) {
      var s = document.createElement("script");
      s.src = "/extensions/" + encodeURIComponent(extension) + "/panel.js";
      s.onload = resolve;
      s.onerror = function () { reject(new Error("the panel " + extension + " cannot be loaded")); };
      document.head.appendChild(s);
    });
    return loadedPanels[extension];
  }

  // A dialog named `title` holding the extension's form; `bridge` carries its events.
  function showDialog(extension, title, bridge) {
    var layer = $("dialog-layer");
    var dialog = document.createElement("div");
    dialog.className = "studio-dialog";
    dialog.setAttribute("role", "dialog");
    dialog.setAttribute("aria-modal", "true");
    dialog.setAttribute("aria-label", title);
    var heading = document.createElement("h2");
    heading.textContent = title;
    heading.setAttribute("aria-hidden", "true");
    dialog.appendChild(heading);
    layer.textContent = "";
    layer.appendChild(dialog);
    layer.hidden = false;
    panelOpen = extension;
    ZarvoPanel.mount(dialog, extension, bridge, function () {
      layer.hidden = true;
      layer.textContent = "";
      panelOpen = null;
    });
    var first = dialog.querySelector("input, select");
    if (first) first.focus();
  }

  // The plug-in opened a panel: the host delivered its ready event already, and the values the
  // plug-in sent are in the state; the form gets them as soon as it says it is ready.
  function openToolPanel(panel) {
    panelOpen = panel.extension;
    loadPanel(panel.extension).then(function () {
      var spec = ZarvoPanel.panels[panel.extension];
      var listeners = {};
      var bridge = {
        addEventListener: function (type, callback) { (listeners[type] = listeners[type] || []).push(callback); },
        removeEventListener: function (type) { delete listeners[type]; },
        preferences: function () { return state.preferences; },
        dispatchEvent: function (event) {
          if (event.type === ZarvoPanel.READY_EVENT) {
            (listeners[spec.sentEvent] || []).forEach(function (cb) { cb({ type: spec.sentEvent, data: panel.payload }); });
            return;
          }
          send("/panel", { type: event.type, data: event.data || "" });
        },
      };
      showDialog(panel.extension, panel.title, bridge);
    }).catch(function (e) { panelOpen = null; showError(e.message); });
  }

  // The live effects' panels set the effect's dictionary values; OK applies the effect.
  function openEffectPanel(effect) {
    var extension = effect === "Rectangle cut..." ? "com.zarvo.RectCutEffect" : "com.zarvo.MirrorEffect";
    var title = effect.replace("...", "");
    loadPanel(extension).then(function () {
      var spec = ZarvoPanel.panels[extension];
      var listeners = {};
      var bridge = {
        addEventListener: function (type, callback) { (listeners[type] = listeners[type] || []).push(callback); },
        dispatchEvent: function (event) {
          if (event.type === ZarvoPanel.READY_EVENT) {
            var defaults = effect === "Cut..." ? '{"ZarvoMirrorType":"3"}' : "<payload></payload>";
            (listeners[spec.sentEvent] || []).forEach(function (cb) { cb({ type: spec.sentEvent, data: defaults }); });
            return;
          }
          if (event.type === spec.paramsEvent) send("/effect", { name: effect, values: JSON.parse(event.data) });
        },
      };
      showDialog(extension, title, bridge);
    }).catch(function (e) { showError(e.message); });
  }

  // ---- commands ----

  function drawActions() {
    var list = $("actions");
    list.textContent = "";
    state.actions.forEach(function (name, i) {
      var li = document.createElement("li");
      li.textContent = i + " " + name.replace("sb_plugin_zarvo_", "") + " ";
      [["Play", false], ["Play with dialog", true]].forEach(function (b) {
        var button = document.createElement("button");
        button.type = "button";
        button.textContent = b[0];
        button.setAttribute("aria-label", b[0] + " " + i);
        button.addEventListener("click", function () { send("/play", { index: i, dialog: b[1] }); });
        li.appendChild(button);
      });
      list.appendChild(li);
    });
  }

  function hexToRgb(hex) {
    return [1, 3, 5].map(function (i) { return parseInt(hex.substr(i, 2), 16) / 255; });
  }

  function sendPaint(target) {
    var kind = $(target + "-kind").value;
    var paint = { kind: kind };
    var start = hexToRgb($(target + "-colour").value);
    if (kind === "rgb") paint.rgb = start;
    if (kind === "linear" || kind === "radial") {
      paint.stops = [{ position: 0, rgb: start }, { position: 100, rgb: hexToRgb($("fill-end").value) }];
      if (kind === "linear") paint.angle = 0;
    }
    send("/paint", { target: target, paint: paint });
  }

  function download(route, name) {
    var a = document.createElement("a");
    a.href = route;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
  }

  function commandEvents() {
    $("undo").addEventListener("click", function () { send("/undo"); });
    $("redo").addEventListener("click", function () { send("/redo"); });
    $("select-all").addEventListener("click", function () { send("/select", { mode: "all" }); });
    $("select-none").addEventListener("click", function () { send("/select", { mode: "none" }); });
    $("import").addEventListener("click", function () { $("import-file").click(); });
    $("import-file").addEventListener("change", function () {
      var file = this.files[0];
      this.value = "";
      if (!file) return;
      if (file.size > 1000000) return showError("The file is larger than the studio takes (1 MB).");
      file.text().then(function (text) { send("/import", { svg: text }); });
    });
    $("save-svg").addEventListener("click", function () { download("/document.svg", "document.svg"); });
    $("save-png").addEventListener("click", function () { download("/document.png", "document.png"); });
    Array.prototype.forEach.call(document.querySelectorAll(".effect"), function (b) {
      b.addEventListener("click", function () { openEffectPanel(b.dataset.effect); });
    });
    $("record").addEventListener("click", function () { send("/record", { on: !state.recording }); });
    ["fill-kind", "fill-colour", "fill-end"].forEach(function (id) { $(id).addEventListener("change", function () { sendPaint("fill"); }); });
    ["stroke-kind", "stroke-colour"].forEach(function (id) { $(id).addEventListener("change", function () { sendPaint("stroke"); }); });
    $("zoom-in").addEventListener("click", function () { scale = Math.min(16, scale * 1.25); draw(); });
    $("zoom-out").addEventListener("click", function () { scale = Math.max(0.05, scale / 1.25); draw(); });
  }

  function start() {
    surfaceEvents();
    keyEvents();
    commandEvents();
    fetch("/state").then(function (r) { return r.json(); }).then(function (s) {
      var view = s.document.document.view;
      var frame = $("surface-frame");
      var w = Math.abs(view[2] - view[0]), h = Math.abs(view[3] - view[1]);
      scale = Math.max(0.05, Math.min(4, Math.min((frame.clientWidth - 20) / w, (frame.clientHeight - 20) / h)));
      update(s);
    }).catch(function (e) { showError("The studio cannot be reached: " + e.message); });
  }

  // Resolves once every request sent so far has been answered (for tests and scripts).
  window.studioIdle = function () {
    var waiting = queue;
    return waiting.then(function () { return waiting === queue ? null : window.studioIdle(); });
  };

  start();
})();
