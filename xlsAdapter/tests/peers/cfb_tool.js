// Independent compound-file reader and writer for tests.
//   node cfb_tool.js write OUT NAME=FILE...   a container holding those streams
//   node cfb_tool.js read FILE                JSON: stream name -> size and SHA-1
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
} else {
  console.error('usage: cfb_tool.js write OUT NAME=FILE... | read FILE');
  process.exit(2);
}
