// The page without the engine, for comparison: it only does what the calculator's start leaves
// visible (78 in Text1, selected and focused) and marks itself ready the same way.
const text1 = document.getElementById('Text1');
text1.value = '78';
text1.select();
text1.focus();
await document.fonts.ready;
performance.mark('calculator-ready');
document.documentElement.dataset.ready = 'true';
