// The options panels' shared engine: builds a panel's form from its field list, fills it from the
// payload the plug-in sends (or the preferences file, or the defaults), checks every field as it is
// typed and answers through the panel bridge. No framework, no network: the page talks only through
// the bridge (see extensions/README.md).
(function (root) {
  "use strict";

  var READY_EVENT = "com.norvane.event.DialogReady";
  var registry = {};

  // Plain decimal, as the plug-in's reader takes it; "1e3" is fine, "0x10", "12abc" and "" are not.
  var NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;
  var INTEGER = /^[+-]?\d+$/;

  function describeRange(field) {
    var low = field.min !== undefined ? (field.minExclusive ? "above " : "from ") + field.min : "";
    var high = field.max !== undefined ? (low ? " to " : "up to ") + field.max : "";
    return low + high;
  }

  // The value to send for a typed text, or the reason it is refused.
  function validate(field, text) {
    if (field.kind === "checkbox" || field.kind === "radio") return { ok: true, value: text ? "true" : "false" };
    var t = String(text === undefined || text === null ? "" : text).trim();
    if (field.kind === "select") {
      for (var i = 0; i < field.options.length; i++)
        if (String(field.options[i].value) === t) return { ok: true, value: t };
      return { ok: false, message: "Choose one of the listed values." };
    }
    if (t === "") return { ok: false, message: field.key + ": enter a value." };
    var integer = field.kind === "integer";
    if (!(integer ? INTEGER : NUMBER).test(t))
      return { ok: false, message: field.key + ": enter " + (integer ? "a whole number" : "a number") + "." };
    var n = Number(t);
    if (!isFinite(n)) return { ok: false, message: field.key + ": the number is too large." };
    var outside = (field.min !== undefined && (field.minExclusive ? n <= field.min : n < field.min)) ||
                  (field.max !== undefined && n > field.max);
    if (outside) return { ok: false, message: field.key + ": enter a value " + describeRange(field) + "." };
    if (field.nonZero && n === 0) return { ok: false, message: field.key + ": the value must not be 0." };
    return { ok: true, value: String(n) };
  }

  // The parameters event's text: one compact JSON object of strings, keys in the panel's order.
  // Null with the refusals when a field does not pass.
  function answer(panel, texts) {
    var out = {}, errors = {};
    panel.fields.forEach(function (field) {
      var checked = validate(field, texts[field.key]);
      if (checked.ok) out[field.key] = checked.value;
      else errors[field.key] = checked.message;
    });
    if (Object.keys(errors).length) return { ok: false, errors: errors };
    return { ok: true, text: JSON.stringify(out) };
  }

  // The plug-in's payload: a JSON object of strings. Anything else (the live effects' empty payload
  // element) gives null.
  function parsePayload(text) {
    if (typeof text !== "string" || text.charAt(0) !== "{") return null;
    try {
      var value = JSON.parse(text);
      if (!value || typeof value !== "object" || Array.isArray(value)) return null;
      var out = {};
      Object.keys(value).forEach(function (k) { if (typeof value[k] === "string") out[k] = value[k]; });
      return out;
    } catch (e) {
      return null;
    }
  }

  // The children of the panel's element in the preferences file, as texts by name; null when absent.
  function parsePreferences(xml, element) {
    if (typeof xml !== "string" || !element) return null;
    var found = new RegExp("<" + element + ">([\\s\\S]*?)</" + element + ">").exec(xml);
    if (!found) return null;
    var out = {}, child = /<([A-Za-z_][\w.-]*)>([^<]*)<\/\1>/g, m;
    while ((m = child.exec(found[1]))) out[m[1]] = m[2].trim();
    return out;
  }

  // The form's text for a field from a text sent by the plug-in: flags arrive as 1 or 0.
  function displayValue(field, text) {
    if (field.kind === "checkbox" || field.kind === "radio") return text === "1" || text === "true";
    return text;
  }

  // Starting texts: the defaults, then the preferences file, then the payload, each overriding.
  function initialValues(panel, payload, preferences) {
    var values = {};
    panel.fields.forEach(function (f) { values[f.key] = displayValue(f, String(f.default)); });
    var prefs = parsePreferences(preferences, panel.preferencesElement);
    if (prefs) panel.fields.forEach(function (f) {
      var name = f.preference || f.key;
      if (prefs[name] !== undefined) values[f.key] = displayValue(f, prefs[name]);
    });
    var sent = parsePayload(payload);
    if (sent) panel.fields.forEach(function (f) {
      if (sent[f.key] !== undefined) values[f.key] = displayValue(f, sent[f.key]);
    });
    // A select keeps a listed value only.
    panel.fields.forEach(function (f) {
      if (f.kind === "select" && !validate(f, values[f.key]).ok) values[f.key] = String(f.default);
    });
    // Exactly one radio of a group stands.
    var groups = {};
    panel.fields.forEach(function (f) { if (f.kind === "radio") (groups[f.group] = groups[f.group] || []).push(f); });
    Object.keys(groups).forEach(function (g) {
      var on = groups[g].filter(function (f) { return values[f.key]; });
      var keep = on.length ? on[on.length - 1] : groups[g].filter(function (f) { return f.default; })[0] || groups[g][0];
      groups[g].forEach(function (f) { values[f.key] = f === keep; });
    });
    (panel.linked || []).forEach(function (pair) { values[pair[1]] = !values[pair[0]]; });
    return values;
  }

  function register(panel) { registry[panel.id] = panel; return panel; }

  // ---- the form (browser only) ----

  function element(doc, tag, attributes, text) {
    var e = doc.createElement(tag);
    Object.keys(attributes || {}).forEach(function (k) { e.setAttribute(k, attributes[k]); });
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // Builds the panel into `container`, says it is ready and answers through `bridge`. `onClose` is
  // called once the panel has answered. Returns the form.
  function mount(container, panelId, bridge, onClose) {
    var panel = registry[panelId];
    if (!panel) throw new Error("No panel " + panelId);
    var doc = container.ownerDocument;
    var form = element(doc, "form", { "class": "zarvo-panel", novalidate: "" });
    var inputs = {}, messages = {};
    var idBase = "zp-" + panel.id.replace(/\W/g, "-") + "-";

    panel.fields.forEach(function (field) {
      var row = element(doc, "div", { "class": "zarvo-row zarvo-" + field.kind });
      var id = idBase + field.key;
      var input;
      if (field.kind === "select") {
        input = element(doc, "select", { id: id, name: field.key, "aria-label": field.key });
        field.options.forEach(function (o) { input.appendChild(element(doc, "option", { value: String(o.value) }, o.text)); });
      } else if (field.kind === "checkbox" || field.kind === "radio") {
        input = element(doc, "input", { id: id, type: field.kind, name: field.kind === "radio" ? idBase + field.group : field.key,
                                        "aria-label": field.key, value: "true" });
      } else {
        input = element(doc, "input", { id: id, type: "text", name: field.key, "aria-label": field.key,
                                        inputmode: field.kind === "integer" ? "numeric" : "decimal", autocomplete: "off" });
      }
      var label = element(doc, "label", { "for": id, "aria-hidden": "true" }, field.label || field.key);
      var message = element(doc, "div", { "class": "zarvo-message", id: id + "-message", role: "alert" });
      input.setAttribute("aria-describedby", message.id);
      if (field.kind === "checkbox" || field.kind === "radio") { row.appendChild(input); row.appendChild(label); }
      else { row.appendChild(label); row.appendChild(input); }
      if (field.hint) row.appendChild(element(doc, "span", { "class": "zarvo-hint" }, field.hint));
      row.appendChild(message);
      form.appendChild(row);
      inputs[field.key] = input;
      messages[field.key] = message;
    });

    var buttons = element(doc, "div", { "class": "zarvo-buttons" });
    var ok = element(doc, "button", { type: "submit" }, "OK");
    var cancel = element(doc, "button", { type: "button" }, "Cancel");
    buttons.appendChild(cancel);
    buttons.appendChild(ok);
    form.appendChild(buttons);
    container.appendChild(form);

    function texts() {
      var out = {};
      panel.fields.forEach(function (f) {
        var input = inputs[f.key];
        out[f.key] = f.kind === "checkbox" || f.kind === "radio" ? input.checked : input.value;
      });
      return out;
    }
    function show(values) {
      panel.fields.forEach(function (f) {
        if (f.kind === "checkbox" || f.kind === "radio") inputs[f.key].checked = !!values[f.key];
        else inputs[f.key].value = values[f.key];
        mark(f.key, null);
      });
    }
    function mark(key, problem) {
      if (problem) inputs[key].setAttribute("aria-invalid", "true");
      else inputs[key].removeAttribute("aria-invalid");
      messages[key].textContent = problem || "";
    }
    panel.fields.forEach(function (f) {
      inputs[f.key].addEventListener(f.kind === "text" || f.kind === "number" || f.kind === "integer" ? "input" : "change", function () {
        var checked = validate(f, texts()[f.key]);
        mark(f.key, checked.ok ? null : checked.message);
        (panel.linked || []).forEach(function (pair) {
          if (pair[0] === f.key) inputs[pair[1]].checked = !inputs[pair[0]].checked;
          if (pair[1] === f.key) inputs[pair[0]].checked = !inputs[pair[1]].checked;
        });
      });
    });

    var closed = false;
    function close() {
      if (closed) return;
      closed = true;
      if (bridge.removeEventListener) bridge.removeEventListener(panel.sentEvent, onValues);
      if (onClose) onClose();
    }
    form.addEventListener("submit", function (event) {
      event.preventDefault();
      var result = answer(panel, texts());
      panel.fields.forEach(function (f) { mark(f.key, result.ok ? null : result.errors[f.key] || null); });
      if (!result.ok) {
        var first = panel.fields.filter(function (f) { return result.errors[f.key]; })[0];
        inputs[first.key].focus();
        return;
      }
      bridge.dispatchEvent({ type: panel.paramsEvent, data: result.text });
      close();
    });
    cancel.addEventListener("click", function () {
      if (panel.cancelEvent) bridge.dispatchEvent({ type: panel.cancelEvent, data: "" });
      close();
    });

    var preferences = bridge.preferences ? bridge.preferences() : null;
    show(initialValues(panel, null, preferences));
    function onValues(event) { show(initialValues(panel, event && event.data, preferences)); }
    bridge.addEventListener(panel.sentEvent, onValues);
    bridge.dispatchEvent({ type: READY_EVENT, data: "" });
    return form;
  }

  // An extension's own page: the bridge is the host's, in this window or the one that holds it.
  function startPage(panelId) {
    var bridge = root.zarvoBridge || (root.parent && root.parent !== root ? root.parent.zarvoBridge : null);
    var host = root.document.getElementById("panel");
    if (!bridge) {
      host.textContent = "This panel runs inside Scribera: no panel bridge was found.";
      return;
    }
    root.document.title = registry[panelId].title;
    mount(host, panelId, bridge, function () { if (bridge.close) bridge.close(panelId); });
  }

  var api = { READY_EVENT: READY_EVENT, register: register, panels: registry, validate: validate, answer: answer,
              parsePayload: parsePayload, parsePreferences: parsePreferences, initialValues: initialValues,
              mount: mount, startPage: startPage };
  root.ZarvoPanel = api;
  if (typeof module !== "undefined" && module.exports) module.exports = api;
})(typeof window !== "undefined" ? window : globalThis);
