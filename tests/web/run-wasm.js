// Runs a Qt Test program built for WebAssembly under node; exits with its status.
const path = require('path');
const create = require(path.resolve(process.argv[2]));
let status = null;
const fs = require('fs');
create({
  wasmBinary: fs.readFileSync(path.resolve(process.argv[2]).replace(/\.js$/, '.wasm')),
  arguments: process.argv.slice(3),
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
  quit: (code) => { status = code; },
  onExit: (code) => { status = code; },
}).then(() => {}, (error) => { console.error(error); process.exit(2); });
process.on('exit', () => { process.exitCode = status === null ? 3 : status; });
