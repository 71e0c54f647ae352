// Independent compound-file reader and writer for tests.
//   node cfb_tool.js write OUT NAME=FILE...   a container holding those streams
//   node cfb_tool.js read FILE                JSON: stream name -> size and SHA-1
//   node cfb_tool.js sheets FILE              JSON: each sheet's cells as the xlsx
//                                             package reads them
const path = require('path');
const fs = require('fs');
const crypto = require('crypto');
const CFB = require(path.join(__dirname, '../../../tools/peers/node_modules/cfb'));

const [command, ...args] = process.argv.slice(2);
if (command === 'write') {
  const container = CFB.utils.cfb_new();
  for (const spec of args.slice(1)) {
    const at = spec.indexOf('=');
    CFB.utils.cfb_add(container, '/' + spec.slice(0, at), fs.readFileSync(spec.slice(at + 1)));
  }
  fs.writeFileSync(args[0], CFB.write(container, { fileType: 'cfb', type: 'buffer' }));
} else if (command === 'read') {
  const container = CFB.read(fs.readFileSync(args[0]), { type: 'buffer' });
  const streams = {};
  container.FileIndex.forEach((entry, i) => {
    if (entry.type !== 2) return;
    const data = Buffer.from(entry.content || []);
    streams[container.FullPaths[i].replace(/^Root Entry\//, '')] = {
      size: entry.size, sha1: crypto.createHash('sha1').update(data).digest('hex') };
  });
  console.log(JSON.stringify(streams));
} else if (command === 'sheets') {
  const XLSX = require(path.join(__dirname, '../../../tools/peers/node_modules/xlsx'));
  const book = XLSX.readFile(args[0]);
  const sheets = {};
  for (const name of book.SheetNames)
    sheets[name] = XLSX.utils.sheet_to_json(book.Sheets[name], { header: 1, raw: true });
  console.log(JSON.stringify(sheets));
} else {
  console.error('usage: cfb_tool.js write OUT NAME=FILE... | read FILE | sheets FILE');
  process.exit(2);
}
