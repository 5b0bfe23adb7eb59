// Lighthouse's four category scores of a generated shop, with the mobile and
// the desktop preset, the page served from 127.0.0.1 by a small server of
// its own and opened in Debian's Chromium (CHROME_PATH, /usr/bin/chromium
// by default). Audits that cost points are listed under each score.
// Usage: node bench/lighthouse/lighthouse.mjs FOLDER PAGE.html PORT
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';

const [folder, pageName, port] = process.argv.slice(2);
if (!folder || !pageName || !port) {
  console.error('usage: node lighthouse.mjs FOLDER PAGE.html PORT');
  process.exit(2);
}
const types = { '.html': 'text/html; charset=utf-8', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml',
  '.xml': 'application/xml', '.txt': 'text/plain; charset=utf-8', '.png': 'image/png' };
// As a plain static host serves a shop: a type per file, compression left to the host.
const server = createServer(async (request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname));
  try {
    const body = await readFile(join(folder, path));
    response.writeHead(200, { 'content-type': types[extname(path)] ?? 'application/octet-stream',
      'cache-control': 'max-age=3600' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(Number(port), '127.0.0.1', resolve));
const chrome = await chromeLauncher.launch({
  chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
try {
  for (const [preset, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
    const { lhr } = await lighthouse(`http://127.0.0.1:${port}/${pageName}`,
      { port: chrome.port, output: 'json', logLevel: 'error' }, config);
    for (const category of Object.values(lhr.categories)) {
      console.log(`lighthouse_${preset}_${category.id} ${Math.round(category.score * 100)}`);
      for (const ref of category.auditRefs) {
        const audit = lhr.audits[ref.id];
        if (ref.weight > 0 && audit.score !== null && audit.score < 1)
          console.log(`  ${ref.id} ${audit.score} ${audit.displayValue ?? ''}`);
      }
    }
    for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'cumulative-layout-shift', 'speed-index'])
      console.log(`  ${preset} ${id} ${lhr.audits[id].displayValue}`);
  }
} finally {
  await chrome.kill();
  server.close();
}
