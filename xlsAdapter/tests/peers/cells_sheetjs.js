// Prints the cells of a workbook's first sheet as the npm xlsx package reads
// them: one "A1 type value" line per cell, in row order.
const XLSX = require(process.env.VISTRA_PEERS + "/node_modules/xlsx");
const book = XLSX.readFile(process.argv[2]);
const sheet = book.Sheets[book.SheetNames[0]];
const range = XLSX.utils.decode_range(sheet["!ref"]);
for (let r = range.s.r; r <= range.e.r; ++r) {
  for (let c = range.s.c; c <= range.e.c; ++c) {
    const address = XLSX.utils.encode_cell({ r, c });
    const cell = sheet[address];
    if (cell && cell.t !== "z")
      console.log(address, cell.t, cell.t === "e" ? cell.w : JSON.stringify(cell.v));
  }
}
