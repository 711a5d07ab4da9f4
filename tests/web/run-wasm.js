// Runs a Qt Test program built for WebAssembly under node; exits with its status.
const path = require('path');
const create = require(path.resolve(process.argv[2]));
let status = null;
const fs = require('fs');
// Qt 6.8 asks the browser for the user's languages; node before 21 has no navigator.
globalThis.navigator ??= { language: 'it-IT', languages: ['it-IT'] };
create({
  wasmBinary: fs.readFileSync(path.resolve(process.argv[2]).replace(/\.js$/, '.wasm')),
  arguments: process.argv.slice(3),
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
  quit: (code) => { status = code; },
  onExit: (code) => { status = code; },
}).then(() => {}, (error) => { console.error(error); process.exit(2); });
// Newer emscripten sets the exit code itself and ignores quit; none at all is a failure.
process.on('exit', () => { process.exitCode = status ?? process.exitCode ?? 3; });
