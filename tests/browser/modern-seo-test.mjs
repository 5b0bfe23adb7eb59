// Opens the 14-product modern shop written by modern_shop_fixtures from a
// server on 127.0.0.1, as search engines, link previews and buyers in a
// hurry see it: no failed request or console error on load, a page that does
// not jump on a phone, pictures that fill their cards, the product data
// Google reads, the search box, the send button under the pointer after a
// failed try, and the floating basket button clear of the last content.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { extname, join, normalize } from 'node:path';
import { check, finish, launch, mailed, mailStub } from './harness.mjs';

const root = process.argv[2];
if (!root) {
  console.error('usage: node modern-seo-test.mjs <folder written by modern_shop_fixtures>');
  process.exit(2);
}
const require = createRequire(import.meta.url);
const folder = join(root, 'shop');
const types = { '.html': 'text/html; charset=utf-8', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml',
  '.xml': 'application/xml', '.txt': 'text/plain' };
const server = createServer(async (request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname));
  try {
    const body = await readFile(join(folder, path));
    response.writeHead(200, { 'content-type': types[extname(path)] ?? 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}/`;
const stub = mailStub('targello-seo-', () => `'%s\\n' "$1"`);
const NB = '\u00A0';

// Everything that went wrong while `page` loaded.
function watch(page) {
  const problems = [];
  page.on('requestfailed', (r) => { if (!r.url().startsWith('mailto:')) problems.push(`failed ${r.url()}`); });
  page.on('response', (r) => { if (r.status() >= 400) problems.push(`${r.status()} ${r.url()}`); });
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`script: ${e.message}`));
  return problems;
}

async function axe(page, what) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const result = await page.evaluate(() =>
    window.axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
  check(`${what}: axe-core WCAG 2 A/AA violations`, result.violations.map((v) => v.id).join(', '), '');
}

// Scrolls to the end in steps, so every lazy picture loads, and waits for them.
async function scrollThrough(page) {
  await page.evaluate(async () => {
    for (let y = 0; y < document.documentElement.scrollHeight; y += innerHeight / 2) {
      scrollTo(0, y);
      await new Promise((resolve) => setTimeout(resolve, 60));
    }
    scrollTo(0, document.documentElement.scrollHeight);
    await Promise.all([...document.images].map((i) => i.complete || new Promise((r) => { i.onload = i.onerror = r; })));
  });
}

// Each picture as wide as its card's content, drawn from a copy with enough
// pixels and no more than the narrowest such copy has.
async function picturesFillCards(page, what) {
  const pictures = await page.$$eval('article img', (all) => all.map((img) => {
    const card = img.closest('article');
    const style = getComputedStyle(card);
    const inner = card.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    // The pixels of the copy the browser chose, as its srcset entry names them.
    const candidates = img.srcset.split(', ').map((c) => c.split(' '));
    const chosen = candidates.find(([address]) => new URL(address, location.href).href === img.currentSrc);
    // The width `sizes` tells the browser before the page is laid out: the
    // first entry whose media condition holds, measured on a box of that width.
    const entries = img.sizes.split(/,\s*(?![^()]*\))/).map((e) => e.match(/^(\([^()]*\))?\s*(.*)$/));
    const [, , length] = entries.find(([, media]) => !media || matchMedia(media).matches);
    const box = document.body.appendChild(document.createElement('div'));
    box.style.width = length;
    const told = box.getBoundingClientRect().width;
    box.remove();
    return { width: img.getBoundingClientRect().width, inner, natural: chosen ? parseInt(chosen[1], 10) : 0,
      widths: candidates.map(([, w]) => parseInt(w, 10)), dpr: devicePixelRatio, told };
  }));
  check(`${what}: pictures fill their cards`, pictures.every((p) => Math.abs(p.width - p.inner) < 1), true);
  const blurred = pictures.filter((p) => p.natural < Math.min(1200, p.width * p.dpr));
  check(`${what}: sharp copies chosen`, JSON.stringify(blurred), '[]');
  const wasteful = pictures.filter((p) => {
    const sharp = p.widths.filter((w) => w >= p.width * p.dpr);
    return sharp.length > 0 && p.natural > Math.min(...sharp);
  });
  check(`${what}: no copy wider than the screen needs`, JSON.stringify(wasteful), '[]');
  return pictures;
}

async function phone() {
  const context = await launch(stub, { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true,
    deviceScaleFactor: 2 });
  const page = await context.newPage();
  const problems = watch(page);
  await page.addInitScript(() => {
    window.shift = 0;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) if (!entry.hadRecentInput) window.shift += entry.value;
    }).observe({ type: 'layout-shift', buffered: true });
  });
  await page.goto(`${base}wiele.html`, { waitUntil: 'load' });
  await scrollThrough(page);
  await page.waitForTimeout(300);
  const shift = await page.evaluate(() => window.shift);
  check(`phone: layout shift below 0.01 (${shift.toFixed(4)})`, shift < 0.01, true);
  const pictures = await picturesFillCards(page, 'phone');
  check('phone: sizes gives the pictures\' width', JSON.stringify(pictures.filter((p) => Math.abs(p.told - p.width) >= 1)), '[]');
  // The 1200-pixel photo's middle copy is all a phone's card needs.
  check('phone: the middle copy chosen', JSON.stringify([...new Set(pictures.map((p) => p.natural))]), '[800]');
  check('phone: nothing failed on load', problems.join('\n'), '');

  // The floating basket button, with a long total, leaves the last content clear.
  await page.locator('button.dodaj').first().tap();
  await page.locator('#koszyk-lista input').first().fill('9999');
  await page.locator('#koszyk-lista input').first().dispatchEvent('change');
  await page.evaluate(() => scrollTo(0, document.documentElement.scrollHeight));
  const [button, last] = await page.evaluate(() => [document.querySelector('.skrot'), document.querySelector('footer p')]
    .map((e) => e.getBoundingClientRect()).map((r) => ({ top: r.top, bottom: r.bottom })));
  check(`phone: basket button below the last content (${JSON.stringify([button, last])})`, button.top >= last.bottom, true);
  await context.close();
}

async function desktop() {
  const context = await launch(stub, { viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const problems = watch(page);
  await page.goto(`${base}wiele.html`, { waitUntil: 'load' });
  await scrollThrough(page);
  await picturesFillCards(page, 'desktop');

  // Google's Product rich results: the required and recommended fields of every product.
  const products = await page.evaluate(() =>
    JSON.parse(document.querySelector('script[type="application/ld+json"]').textContent)['@graph']);
  check('one Product per product', products.length, 14);
  const gaps = [];
  for (const [k, p] of products.entries()) {
    const o = p.offers ?? {};
    const fields = { '@type': p['@type'] === 'Product', name: typeof p.name === 'string' && p.name.length > 0,
      image: /^https:\/\/sklep\.example\.pl\/wiele\/.+\.jpg$/.test(p.image),
      description: typeof p.description === 'string' && p.description.length > 0,
      url: p.url === `https://sklep.example.pl/wiele.html#produkt-${k + 1}`,
      'offers.@type': o['@type'] === 'Offer', 'offers.price': typeof o.price === 'number' && o.price >= 0,
      'offers.priceCurrency': o.priceCurrency === 'PLN', 'offers.availability': o.availability === 'https://schema.org/InStock',
      'offers.url': o.url === p.url };
    for (const [field, good] of Object.entries(fields)) if (!good) gaps.push(`${k + 1} ${field}`);
  }
  check('product data complete', gaps.join(', '), '');
  check('first offer price', products[0].offers.price, 1299.99);
  check('each anchor stands on the page', await page.evaluate((n) => n.every((p) =>
    document.getElementById(p.url.split('#')[1])?.tagName === 'ARTICLE'), products), true);
  check('description for search engines', await page.getAttribute('meta[name="description"]', 'content'),
    'Zabawki i naczynia z drewna i gliny, robione ręcznie w Łodzi.');
  check('canonical address', await page.getAttribute('link[rel="canonical"]', 'href'), 'https://sklep.example.pl/wiele.html');

  // The card shows the price as the basket does.
  await page.locator('button.dodaj').first().click();
  check('card price as in the basket', await page.textContent('article .cena'), `1${NB}299,99${NB}zł`);
  check('basket price', (await page.textContent('#koszyk-lista .nazwa')).endsWith(`1${NB}299,99${NB}zł za sztukę`), true);

  // The search box: neither case nor Polish letters matter; the count is announced.
  const shown = () => page.$$eval('article', (all) => all.filter((a) => !a.hidden).map((a) => a.querySelector('h3').textContent));
  await page.fill('#szukaj', 'zolw');
  check('"zolw" finds both', (await shown()).join('|'), 'Żółw drewniany|Miska gliniana');
  check('count announced', await page.textContent('#szukaj-wynik'), 'Znaleziono 2 produkty.');
  check('announced politely', await page.getAttribute('#szukaj-wynik', 'aria-live'), 'polite');
  await page.fill('#szukaj', 'ŻÓŁW DREWNIANY');
  check('upper case with Polish letters', (await shown()).join('|'), 'Żółw drewniany');
  await page.fill('#szukaj', 'kubek');
  check('twelve cups', await page.textContent('#szukaj-wynik'), 'Znaleziono 12 produktów.');
  await page.fill('#szukaj', 'xyz');
  check('nothing found says so', await page.textContent('#szukaj-wynik'), 'Nie znaleziono produktów pasujących do „xyz”.');
  check('nothing shown', (await shown()).length, 0);
  await axe(page, 'desktop, nothing found');
  await page.fill('#szukaj', '');
  check('all back', (await shown()).length, 14);

  // After a failed try the buyer fills the fields and clicks send with the pointer.
  await page.click('#wyslij');
  check('failed try', await page.textContent('#b-NAZWISKO'), 'Podaj imię i nazwisko.');
  const fields = { NAZWISKO: 'Zofia Nowak', ULICA: 'Długa 1', KOD: '00-950', MIASTO: 'Łódź', MAIL: 'zofia@example.pl' };
  for (const [name, value] of Object.entries(fields)) await page.fill(`#f-${name}`, value);
  await page.check('#f-zgoda');
  const before = await page.locator('#wyslij').boundingBox();
  await page.mouse.move(before.x + before.width / 2, before.y + before.height / 2);
  await page.mouse.down();
  const pressed = await page.locator('#wyslij').boundingBox();
  await page.mouse.up();
  check('send button stayed under the pointer', pressed.y, before.y);
  check('the first click sent the order', (await mailed(stub)).startsWith('mailto:'), true);
  check('desktop: nothing failed', problems.join('\n'), '');
  await context.close();
}

try {
  const site = await Promise.all(['robots.txt', 'sitemap.xml'].map((f) => fetch(base + f).then((r) => r.text())));
  check('robots.txt names the sitemap', site[0].includes('Sitemap: https://sklep.example.pl/sitemap.xml\n'), true);
  check('sitemap names the page', site[1].includes('<loc>https://sklep.example.pl/wiele.html</loc>'), true);
  await phone();
  await desktop();
} finally {
  server.close();
}
finish(stub, 'modern search and layout: ');
