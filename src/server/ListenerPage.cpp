#include "ListenerPage.h"

namespace tolvaran::server {

namespace {

const char* const style = R"(<style>
body{margin:0;font-family:system-ui,sans-serif;background:#111;color:#eee}
header{display:flex;gap:1em;align-items:center;padding:.8em 1em;background:#222}
h1{font-size:1.1em;margin:0;flex:1}
#status{color:#aaa;font-size:.9em}
main{padding:1em;max-width:50em;margin:auto}
p{margin:.3em 0;font-size:1.4em;line-height:1.35}
.interim{color:#9ab}
.original{display:block;font-size:.6em;color:#888}
</style>)";

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

QByteArray listenerPage(const QString& roomId, const QList<QPair<QString, QString>>& languages)
{
    QString options;
    for (const auto& [code, name] : languages)
        options += QStringLiteral("<option value=\"%1\">%2</option>").arg(escaped(code), escaped(name));
    QString page = QStringLiteral(R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><meta name="viewport" content="width=device-width,initial-scale=1">
<title>Tolvaran room</title>%1</head><body>
<header><h1>Live captions</h1><label>Language <select id="lang">%2</select></label><span id="status">Connecting…</span></header>
<main><div id="lines"></div><p id="interim" class="interim"></p></main>
<script>
"use strict";
const room = "%3";
const lines = document.getElementById("lines");
const interim = document.getElementById("interim");
const status = document.getElementById("status");
const select = document.getElementById("lang");
let socket = null;
let lastFinal = -1;
function line(text, original) {
  const p = document.createElement("p");
  p.textContent = text;
  if (original && original !== text) {
    const o = document.createElement("span");
    o.className = "original";
    o.textContent = original;
    p.appendChild(o);
  }
  lines.appendChild(p);
  while (lines.childElementCount > 200) lines.removeChild(lines.firstChild);
  window.scrollTo(0, document.body.scrollHeight);
}
function connect() {
  if (socket) { socket.onclose = null; socket.close(); }
  lastFinal = -1;
  interim.textContent = "";
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  socket = new WebSocket(scheme + location.host + "/room/" + room + "/listen?lang=" + encodeURIComponent(select.value));
  socket.onopen = () => { status.textContent = "Live"; };
  socket.onclose = () => { if (status.textContent !== "The room has ended") status.textContent = "Disconnected"; };
  socket.onmessage = (event) => {
    let m;
    try { m = JSON.parse(event.data); } catch (e) { return; }
    if (m.type === "caption") {
      if (m.is_final) { lastFinal = Math.max(lastFinal, m.utterance); interim.textContent = ""; line(m.text, m.original); }
      else if (m.utterance > lastFinal) interim.textContent = m.text;
    } else if (m.type === "room_closed") {
      status.textContent = "The room has ended";
    } else if (m.type === "error") {
      line(m.message || "Unknown server error", "");
    }
  };
}
select.addEventListener("change", connect);
connect();
</script></body></html>
)")
                       .arg(QString::fromLatin1(style), options, escaped(roomId));
    return page.toUtf8();
}

QByteArray unknownRoomPage()
{
    return QStringLiteral(R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>No such room</title>%1</head>
<body><main><h1>No such room</h1><p>This room does not exist, or its speaker has ended it.</p></main></body></html>
)")
        .arg(QString::fromLatin1(style))
        .toUtf8();
}

} // namespace tolvaran::server
