var n = 0; // счётчик
function add(a, b) { /* сумма */ return a + b; }
while (true) { if (n++ > 3) break; else document.write("<b>" + n + '</b>'); }
