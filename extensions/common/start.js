// Starts the extension page the script tag names (data-panel), once the page's body exists.
(function () {
  "use strict";
  var script = document.currentScript;
  var panelId = script && script.getAttribute("data-panel");
  document.addEventListener("DOMContentLoaded", function () { window.ZarvoPanel.startPage(panelId); });
})();
