// The chain and the fan of BenchSpreadRecalc computed by HyperFormula: the time to build
// and compute each sheet, then to change its input and read its last formula again.
// Prints "shape full_ms change_ms value" lines. Usage: node HyperFormulaSheets.js ROWS
const path = require('path');
const { HyperFormula } = require(path.join(__dirname, '../../tools/peers/node_modules/hyperformula'));

const rows = Number(process.argv[2] || 100000);

function sheet(shape) {
  const data = [];
  for (let r = 1; r <= rows; ++r) {
    if (shape === 'chain') data.push([r === 1 ? 1 : null, r === 1 ? '=A1+1' : `=B${r - 1}+1`]);
    else data.push([r === 1 ? 1 : null, `=$A$1+${r}`]);
  }
  return data;
}

for (const shape of ['chain', 'fan']) {
  const data = sheet(shape);
  let start = process.hrtime.bigint();
  const hf = HyperFormula.buildFromArray(data, { licenseKey: 'gpl-v3', maxRows: rows + 10 });
  const full = Number(process.hrtime.bigint() - start) / 1e6;
  start = process.hrtime.bigint();
  hf.setCellContents({ sheet: 0, col: 0, row: 0 }, [[2]]);
  const value = hf.getCellValue({ sheet: 0, col: 1, row: rows - 1 });
  const change = Number(process.hrtime.bigint() - start) / 1e6;
  console.log(`${shape} ${full.toFixed(3)} ${change.toFixed(3)} ${value}`);
}
