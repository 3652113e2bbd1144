// The static server answers every request path, malformed, escaping the site or too long for a
// file name, with a status, and goes on serving. The requests go over a bare socket, so that the
// path reaches the server exactly as written.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { serveSite } from '../tools/serve.mjs';

const INDEX = '<!DOCTYPE html><title>site</title>\n';

// Sends `GET path` as written and resolves to the answer's status and body.
function get(url, path) {
  const { hostname, port } = new URL(url);
  return new Promise((resolve, reject) => {
    const socket = connect(Number(port), hostname);
    let answer = '';
    socket.setEncoding('utf8');
    socket.setTimeout(5000, () => socket.destroy(new Error(`no answer to ${path.slice(0, 40)}`)));
    socket.on('connect', () => {
      socket.write(`GET ${path} HTTP/1.1\r\nHost: ${hostname}\r\nConnection: close\r\n\r\n`);
    });
    socket.on('data', (chunk) => (answer += chunk));
    socket.on('error', reject);
    socket.on('end', () => {
      const status = /^HTTP\/1\.1 (\d{3}) /.exec(answer);
      if (!status) reject(new Error(`no status line: ${JSON.stringify(answer.slice(0, 80))}`));
      else
        resolve({ status: Number(status[1]), body: answer.slice(answer.indexOf('\r\n\r\n') + 4) });
    });
  });
}

const CASES = [
  { name: 'a lone percent sign', path: '/%', status: 400 },
  { name: 'a percent sign without two hex digits', path: '/a%zzb.js', status: 400 },
  { name: 'a cut UTF-8 sequence', path: '/%D0%B0%D0', status: 400 },
  { name: 'a NUL', path: '/index.html%00.png', status: 400 },
  { name: 'encoded slashes up out of the site', path: '/..%2f..%2fetc/passwd', status: 403 },
  { name: 'an encoded step to the folder beside', path: '/..%2fsecret.txt', status: 403 },
  { name: 'encoded dots, which the URL resolves inside', path: '/%2e%2e/secret.txt', status: 404 },
  { name: 'an encoded backslash, a plain character here', path: '/..%5csecret.txt', status: 404 },
  { name: 'plain dots, which the URL resolves inside', path: '/../../secret.txt', status: 404 },
  { name: 'a 10 KB path', path: `/${'a'.repeat(10 * 1024)}`, status: 404 },
  { name: 'a missing file', path: '/missing.js', status: 404 },
  { name: 'the site folder', path: '/', status: 200 },
  { name: 'a file with a query', path: '/index.html?v=1', status: 200 },
];

describe('the static server', () => {
  let top;
  let server;
  before(async () => {
    // The site, and a file beside it that no path may reach.
    top = mkdtempSync(join(tmpdir(), 'dephlegmator-serve-'));
    mkdirSync(join(top, 'site'));
    writeFileSync(join(top, 'site', 'index.html'), INDEX);
    writeFileSync(join(top, 'secret.txt'), 'secret\n');
    server = await serveSite(join(top, 'site'));
  });
  after(async () => {
    await server?.close();
    rmSync(top, { recursive: true, force: true });
  });

  for (const { name, path, status } of CASES) {
    it(`answers ${status} to ${name}`, async () => {
      const answer = await get(server.url, path);
      assert.equal(answer.status, status);
      assert.doesNotMatch(answer.body, /secret/);
      if (status === 200) assert.equal(answer.body, INDEX);
    });
  }

  it('still serves the page after all of them', async () => {
    for (const { path } of CASES) await get(server.url, path);
    const answer = await get(server.url, '/index.html');
    assert.equal(answer.status, 200);
    assert.equal(answer.body, INDEX);
  });
});
