// A static file server for the site on 127.0.0.1, as any web host would serve it.
//
// As a program: node serve.mjs DIR [PORT]   (PORT 0 picks a free one; the URL is printed)
// As a module:  const server = await serveSite(dir, port); ... server.url ...; await server.close();
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
};

export function serveSite(dir, port = 0, host = '127.0.0.1') {
  const root = resolve(dir);
  const server = createServer((request, response) => {
    // A path that does not decode (a stray %, a cut UTF-8 sequence) or names a NUL is malformed.
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      path = null;
    }
    if (path === null || path.includes('\0')) {
      response.writeHead(400).end();
      return;
    }
    let file = normalize(join(root, path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const size = statSync(file).size;
      response.writeHead(200, {
        'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Content-Length': size,
        'Cache-Control': 'no-cache',
        'X-Content-Type-Options': 'nosniff',
      });
      if (request.method === 'HEAD') response.end();
      else createReadStream(file).pipe(response);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' }).end('Не найдено');
    }
  });
  return new Promise((resolveServer, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      const url = `http://${host}:${server.address().port}/`;
      resolveServer({
        url,
        close: () => new Promise((done) => server.close(done)),
        closeAllConnections: () => server.closeAllConnections(),
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [dir, port = '8080'] = process.argv.slice(2);
  const server = await serveSite(dir, Number(port));
  console.log(`Калькулятор: ${server.url}  (Ctrl+C — остановить)`);
}
