// Opens the modern shops written by modern_shop_fixtures in headless
// Chromium as a phone (390 x 844, touch) and as a desktop (1366 x 768) and
// uses them as a visitor would: fills the basket, reloads, follows the menu
// to the other shop and back, orders in all three ways, enlarges a picture.
// axe-core checks WCAG 2 A and AA, the Nu HTML checker the markup.
import { readFileSync, existsSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { check, finish, launch, mailed, mailStub } from './harness.mjs';

const root = process.argv[2];
if (!root) {
  console.error('usage: node modern-shop-test.mjs <folder written by modern_shop_fixtures>');
  process.exit(2);
}
const require = createRequire(import.meta.url);
const shop = (name) => join(root, 'shop', `${name}.html`);

// The stub mail program records the address the browser hands it.
const stub = mailStub('targello-modern-', () => `'%s\\n' "$1"`);
const stubLog = stub.log;
async function mailAddress() {
  return (await mailed(stub)).trim().split('\n').pop();
}

const NB = '\u00A0';
const zl = (text) => text.replaceAll(' ', NB) + NB + 'zł';
const hostile = 'Płyta "Łódź" <b>nowość</b></script>';
const form = {
  FIRMA: 'Pracownia „Łęg” & s-ka', NAZWISKO: "Zofia O'Brien", ULICA: 'ul. Żółta 5', KOD: '00-950',
  MIASTO: 'Łódź', NIP: '', TELEFON: '+48 600 000 000', MAIL: 'zofia@example.pl',
  FIRMA2: '', NAZWISKO2: 'Jan Kowalski', ULICA2: 'Długa 1', KOD2: '30-001', MIASTO2: 'Kraków',
};
const labels = {
  FIRMA: 'Nazwa firmy', NAZWISKO: 'Imię i Nazwisko', ULICA: 'Ulica', KOD: 'Kod', MIASTO: 'Miasto', NIP: 'NIP',
  TELEFON: 'Telefon', MAIL: 'E-Mail',
};
const filled = (names) => names.filter((name) => form[name]).map((name) => `${labels[name.replace('2', '')]}: ${form[name]}`);
// The order text a trader reads; `number` is the one the page made.
const orderText = (number) => [
  `Zamówienie ${number} — Pierwszy sklep`, '',
  `1. Kubek 'Ósemka' — 3 × ${zl('12,50')} = ${zl('37,50')}`,
  `2. ${hostile} — 1 × ${zl('0,00')} = ${zl('0,00')}`,
  `3. Sztabka & złoto — 1 × ${zl('922 337 203 685 477,00')} = ${zl('922 337 203 685 477,00')}`, '',
  `Wartość towarów: ${zl('922 337 203 685 514,50')}`,
  `Do zapłaty: ${zl('922 337 203 685 514,50')}`, '',
  'Dane do faktury', ...filled(['FIRMA', 'NAZWISKO', 'ULICA', 'KOD', 'MIASTO', 'NIP', 'TELEFON', 'MAIL']), '',
  'Adres wysyłki (jeśli inny)', ...filled(['FIRMA2', 'NAZWISKO2', 'ULICA2', 'KOD2', 'MIASTO2']),
].join('\r\n');
const numberPattern = /^Zamówienie (\d{4}-\d{2}-\d{2}-[A-HJ-NP-Z2-9]{4}) — /;

async function basketLines(page) {
  return page.$$eval('#koszyk-lista li', (lines) =>
    lines.map((line) => `${line.querySelector('.nazwa').textContent} x${line.querySelector('input').value}`));
}

async function noHorizontalScroll(page, what) {
  const [scroll, width] = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
  check(`${what}: no sideways scrolling (${scroll} > ${width})`, scroll <= width, true);
}

async function axe(page, what) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const result = await page.evaluate(() =>
    window.axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
  const found = result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  check(`${what}: axe-core WCAG 2 A/AA violations`, found.join('\n'), '');
}

async function phone(context) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pathToFileURL(shop('sklep')).href);
  await noHorizontalScroll(page, 'phone');
  const fontSize = await page.evaluate(() => parseFloat(getComputedStyle(document.querySelector('.opis')).fontSize));
  check('phone: descriptions readable (at least 16 px)', fontSize >= 16, true);
  const lefts = await page.$$eval('article', (all) => all.map((a) => Math.round(a.getBoundingClientRect().left)));
  check('phone: one product per row', new Set(lefts).size, 1);
  const heights = await page.$$eval('button.dodaj', (all) => all.map((b) => b.getBoundingClientRect().height));
  check('phone: basket buttons thumb-sized', heights.every((h) => h >= 44), true);

  // Three products, then three of the first one.
  const add = page.locator('button.dodaj');
  await add.nth(0).tap();
  await add.nth(1).tap();
  await add.nth(2).tap();
  await page.locator('#koszyk-lista input').first().fill('3');
  await page.locator('#koszyk-lista input').first().dispatchEvent('change');
  const expectedLines = [
    `Kubek 'Ósemka' – ${zl('12,50')} za sztukę x3`,
    `${hostile} – ${zl('0,00')} za sztukę x1`,
    `Sztabka & złoto – ${zl('922 337 203 685 477,00')} za sztukę x1`,
  ];
  check('phone: basket after adding', (await basketLines(page)).join('|'), expectedLines.join('|'));
  check('phone: total', await page.textContent('#koszyk-suma'), zl('922 337 203 685 514,50'));
  await noHorizontalScroll(page, 'phone with a full basket');
  check('phone: basket stored in the browser', await page.evaluate(() => localStorage.length > 0), true);
  await page.reload();
  check('phone: basket after reload', (await basketLines(page)).join('|'), expectedLines.join('|'));
  check('phone: total after reload', await page.textContent('#koszyk-suma'), zl('922 337 203 685 514,50'));

  // The menu leads to the second shop, whose basket is its own, and back.
  await page.click('nav a');
  check('second shop opened', await page.title(), 'Drugi sklep');
  check('second shop: its basket is empty', (await basketLines(page)).length, 0);
  await page.locator('button.dodaj').nth(3).tap();
  check('second shop: its own line', (await basketLines(page)).join('|'), `Rabat – ${zl('-5,00')} za sztukę x1`);
  check('second shop: negative total', await page.textContent('#koszyk-suma'), '-' + zl('5,00'));
  await page.click('nav a');
  check('back in the first shop', await page.title(), 'Pierwszy sklep');
  check('first shop: basket kept', (await basketLines(page)).join('|'), expectedLines.join('|'));
  await page.goto(pathToFileURL(shop('drugi')).href);
  check('second shop: basket kept', (await basketLines(page)).length, 1);
  await axe(page, 'phone, second shop');
  await page.goBack();
  check('phone: no script errors', errors.join('\n'), '');
  await page.close();
}

async function desktop(context) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  // Record what reaches the clipboard.
  await page.addInitScript(() => {
    const write = navigator.clipboard.writeText.bind(navigator.clipboard);
    navigator.clipboard.writeText = (text) => { window.copied = text; return write(text).catch(() => {}); };
  });
  await page.goto(pathToFileURL(shop('sklep')).href);
  await noHorizontalScroll(page, 'desktop');
  const lefts = await page.$$eval('article', (all) => all.map((a) => Math.round(a.getBoundingClientRect().left)));
  check('desktop: the trader\'s three columns', new Set(lefts).size, 3);
  check('desktop: basket from the phone visit (same browser profile)', (await basketLines(page)).length, 3);

  // Sending with empty fields shows Polish messages beside them.
  await page.click('#wyslij');
  check('message beside the name', await page.textContent('#b-NAZWISKO'), 'Podaj imię i nazwisko.');
  check('name marked invalid', await page.getAttribute('#f-NAZWISKO', 'aria-invalid'), 'true');
  check('focus on the first wrong field', await page.evaluate(() => document.activeElement.id), 'f-NAZWISKO');
  check('nothing sent yet', existsSync(stubLog), false);
  await axe(page, 'desktop with messages');
  await page.fill('#f-MAIL', 'zofia@');
  await page.click('#kopiuj');
  check('message beside the address', await page.textContent('#b-MAIL'),
    'Adres e-mail wygląda na niepełny, np. jan@example.pl.');

  for (const [name, value] of Object.entries(form)) await page.fill(`#f-${name}`, value);
  await page.check('#f-zgoda');
  await page.click('#wyslij');
  const address = await mailAddress();
  const mail = /^mailto:zamowienia@example\.com\?subject=([^&]*)&body=(.*)$/.exec(address);
  check('mail address with subject and body', Boolean(mail), true);
  const mailed = decodeURIComponent(mail?.[2] ?? '');
  const number = numberPattern.exec(mailed)?.[1] ?? 'no number';
  check('subject', decodeURIComponent(mail?.[1] ?? ''), `Zamówienie ${number} — Pierwszy sklep`);
  check('order text in the mail', mailed, orderText(number));

  await page.click('#kopiuj');
  await page.waitForFunction(() => window.copied !== undefined);
  check('order text on the clipboard', await page.evaluate(() => window.copied), orderText(number));
  check('trader\'s address shown to paste into', (await page.textContent('#wynik')).includes('zamowienia@example.com'), true);

  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#pobierz')]);
  check('downloaded file name', download.suggestedFilename(), 'zamowienie.txt');
  check('order text in the downloaded file', readFileSync(await download.path(), 'utf8'), orderText(number));

  // The enlarged picture opens, and closes with Esc, a click outside and the back gesture.
  const enlarge = page.locator('button.powieksz').first();
  const opened = async () => page.evaluate(() => document.getElementById('powiekszenie').open);
  await enlarge.click();
  check('enlarged picture open', await opened(), true);
  await page.waitForFunction(() => document.querySelector('#powiekszenie img').naturalWidth > 0);
  check('enlarged picture is the upright large copy', await page.evaluate(() => {
    const image = document.querySelector('#powiekszenie img');
    return `${image.naturalWidth}x${image.naturalHeight}`;
  }), '40x80');
  await axe(page, 'desktop with the enlarged picture');
  await page.keyboard.press('Escape');
  check('Esc closes it', await opened(), false);
  await enlarge.click();
  await page.mouse.click(5, 5);
  check('a click outside closes it', await opened(), false);
  await enlarge.click();
  await page.goBack();
  await page.waitForFunction(() => !document.getElementById('powiekszenie').open);
  check('back closes it and stays on the shop', await page.title(), 'Pierwszy sklep');

  // Emptying the basket.
  await page.click('#oproznij');
  check('emptied', (await basketLines(page)).length, 0);
  await page.reload();
  check('still empty after reload', (await basketLines(page)).length, 0);

  for (const name of ['drugi', 'uklad0', 'uklad1']) {
    await page.goto(pathToFileURL(shop(name)).href);
    await noHorizontalScroll(page, `desktop ${name}`);
    await axe(page, `desktop ${name}`);
  }
  check('desktop: no script errors', errors.join('\n'), '');
  await page.close();
}

// A value written by a page and read back after a reload. On a busy machine
// Chromium's storage once kept nothing for a whole browser run, which no
// page can help: such a run is not the shop's test, so the browser starts again.
async function storageKeeps(context) {
  const page = await context.newPage();
  try {
    await page.goto(pathToFileURL(shop('drugi')).href);
    const value = String(Date.now());
    await page.evaluate((v) => localStorage.setItem('targello-proba', v), value);
    await page.reload();
    const kept = await page.evaluate(() => localStorage.getItem('targello-proba'));
    await page.evaluate(() => localStorage.removeItem('targello-proba'));
    return kept === value;
  } finally {
    await page.close();
  }
}

async function launchWithStorage(options) {
  for (let attempt = 1; ; ++attempt) {
    const context = await launch(stub, options);
    if (await storageKeeps(context)) return context;
    await context.close();
    if (attempt === 3) throw new Error("Chromium's local storage kept nothing in three starts");
    console.log(`Chromium's local storage kept nothing (start ${attempt}); starting it again`);
  }
}

const context = await launchWithStorage({
  acceptDownloads: true, viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2,
});
try {
  await phone(context);
} finally {
  await context.close();
}
// The desktop visit uses the same profile: the basket is still there.
const desktopContext = await launchWithStorage({
  acceptDownloads: true, viewport: { width: 1366, height: 768 },
});
try {
  await desktop(desktopContext);
} finally {
  await desktopContext.close();
}

// The Nu HTML checker: no error in any of the pages.
const vnu = join(dirname(require.resolve('vnu-jar/package.json')), 'build', 'dist', 'vnu.jar');
try {
  execFileSync('java', ['-jar', vnu, '--errors-only', ...['sklep', 'drugi', 'uklad0', 'uklad1', 'wiele'].map(shop)],
    { stdio: 'pipe' });
  check('Nu HTML checker', '', '');
} catch (error) {
  check('Nu HTML checker', String(error.stderr || error.message).trim(), '');
}

finish(stub, '');
