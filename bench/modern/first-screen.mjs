// What a visitor downloads to see the first screen of a generated shop, and
// the whole page with every small picture: opens the page in Chromium at
// 1366 x 768 and at 390 x 844 and adds up the files the browser loaded.
// Usage: node bench/modern/first-screen.mjs PAGE.html
import { createRequire } from 'node:module';
import { mkdtempSync, statSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(join(here, '..', '..', 'tests', 'browser', 'package.json'));
const { chromium } = require('playwright-core');
const file = process.argv[2];
const profile = mkdtempSync(join(tmpdir(), 'targello-first-screen-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-sync'],
});
const megabytes = (bytes) => (bytes / 1e6).toFixed(2);
for (const [width, height] of [[1366, 768], [390, 844]]) {
  const page = await context.newPage();
  await page.setViewportSize({ width, height });
  const loaded = new Set([file]);
  page.on('requestfinished', (request) => {
    if (request.url().startsWith('file:')) loaded.add(fileURLToPath(request.url()));
  });
  await page.goto(pathToFileURL(file).href, { waitUntil: 'load' });
  await page.waitForTimeout(1000);
  const bytes = [...loaded].reduce((sum, path) => sum + statSync(path).size, 0);
  console.log(`first_screen_${width}x${height}_MB ${megabytes(bytes)} (${loaded.size - 1} pictures)`);
  await page.close();
}
await context.close();
rmSync(profile, { recursive: true, force: true });
