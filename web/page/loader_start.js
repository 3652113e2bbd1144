// Appended to the module's loader: in a page, it starts downloading and compiling the module as
// soon as the loader runs, while the rest of the page still loads.
if (typeof document !== 'undefined') globalThis.calculatorLoading = createCalculator();
