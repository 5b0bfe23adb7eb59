// Orders from the selling fixture shop in headless Chromium as a buyer
// would: the consent and the choices block sending with Polish messages,
// the totals follow delivery, free delivery and cash on delivery up to the
// BigInt range, the order text leaves all three ways alike, and the
// thank-you's QR code, read from a screenshot by zbarimg, is the Polish
// banks' "Standard 2D" transfer. axe-core and the Nu checker see every part.
import { readFileSync, existsSync, rmSync, writeFileSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { tmpdir } from 'node:os';
import { pathToFileURL } from 'node:url';
import { check, fail, finish, launch, mailed, mailStub } from './harness.mjs';

const root = process.argv[2];
const require = createRequire(import.meta.url);
const shopFile = join(root, 'shop', 'sprzedaz.html');
const stub = mailStub('targello-selling-', () => `'%s\\n' "$1"`);
const NB = '\u00A0';
const zl = (text) => text.replaceAll(' ', NB) + NB + 'zł';

async function mailAddress() {
  const address = (await mailed(stub)).trim().split('\n').pop();
  rmSync(stub.log, { force: true });
  return address;
}

async function axe(page, what) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const result = await page.evaluate(() =>
    window.axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
  check(`${what}: axe-core WCAG 2 A/AA violations`,
    result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`).join('\n'), '');
}

async function basket(page, quantities) {
  await page.evaluate(() => localStorage.clear());
  await page.goto(pathToFileURL(shopFile).href);
  for (const [index, quantity] of quantities) {
    await page.locator('button.dodaj').nth(index).click();
    await page.fill(`#ile-${await page.locator('#koszyk-lista li').count() - 1}`, String(quantity));
    await page.locator(`#ile-${await page.locator('#koszyk-lista li').count() - 1}`).dispatchEvent('change');
  }
}

async function fillBuyer(page) {
  for (const [name, value] of Object.entries({ NAZWISKO: 'Zofia Żak', ULICA: 'Długa 1', KOD: '30-001',
    MIASTO: 'Kraków', MAIL: 'zofia@example.pl' })) await page.fill(`#f-${name}`, value);
}

const qrPayload = (grosze, title) =>
  `1234563218|PL|61109010140000071219812874|${grosze}|Pasieka Łęgowa Źródł|${title}|||`;

async function qrText(page) {
  const file = join(tmpdir(), `targello-qr-${process.pid}.png`);
  await page.locator('.qr').screenshot({ path: file });
  try {
    return execFileSync('zbarimg', ['--quiet', '--raw', file], { encoding: 'utf8' }).trim();
  } catch (error) {
    return `zbarimg: ${error.message}`;
  } finally {
    rmSync(file, { force: true });
  }
}

async function blocking(page) {
  await basket(page, [[0, 1]]);
  await page.click('#wyslij');
  await fillBuyer(page);
  await page.click('#wyslij');
  check('delivery message', await page.textContent('#b-dostawa'), 'Wybierz sposób dostawy.');
  check('payment message', await page.textContent('#b-platnosc'), 'Wybierz sposób płatności.');
  check('consent message', await page.textContent('#b-zgoda'),
    'Aby zamówić, zaznacz „Akceptuję regulamin i politykę prywatności”.');
  check('focus on the delivery choice', await page.evaluate(() => document.activeElement.id), 'dostawa-0');
  const described = await page.evaluate(() => {
    const box = document.getElementById('f-zgoda');
    return `${box.getAttribute('aria-invalid')} ${document.getElementById(box.getAttribute('aria-describedby')).textContent}`;
  });
  check('screen readers hear the consent message', described, 'true Aby zamówić, zaznacz „Akceptuję regulamin i politykę prywatności”.');
  check('nothing sent', existsSync(stub.log), false);
  await axe(page, 'messages shown');
}

async function totals(page) {
  const cases = [
    { items: [[0, 2]], delivery: 0, payment: 'blik', goods: '25,00', sum: '40,00' },
    { items: [[0, 2]], delivery: 0, payment: 'pobranie', goods: '25,00', sum: '45,00' },
    { items: [[0, 16]], delivery: 0, payment: 'przelew', goods: '200,00', sum: '200,00', free: true },
    { items: [[0, 15]], delivery: 1, payment: 'pobranie', goods: '187,50', sum: '192,50' },
    { items: [[0, 1], [2, 9999]], delivery: 0, payment: 'pobranie', goods: '9 222 449 699 651 084 535,50',
      sum: '9 222 449 699 651 084 540,50', free: true },
  ];
  for (const c of cases) {
    await basket(page, c.items);
    await page.check(`#dostawa-${c.delivery}`);
    await page.check(`#platnosc-${c.payment}`);
    const what = `${c.goods} by ${c.payment}`;
    check(`goods ${what}`, await page.textContent('#suma-towary'), zl(c.goods));
    check(`sum ${what}`, await page.textContent('#suma-razem'), zl(c.sum));
    if (c.free) check(`free delivery ${what}`, await page.textContent('#suma-dostawa'), 'gratis');
  }
}

// Sends the order all three ways; returns the order number.
async function threeWays(page) {
  await basket(page, [[0, 2]]);
  await fillBuyer(page);
  await page.check('#dostawa-0');
  await page.focus('#platnosc-przelew');
  await page.keyboard.press('Space');
  await page.check('#f-zgoda');
  await page.click('#wyslij');
  const mail = /\?subject=([^&]*)&body=(.*)$/.exec(await mailAddress());
  const body = decodeURIComponent(mail?.[2] ?? '');
  const number = /^Zamówienie (\S+) — Sklep sprzedający\r\n/.exec(body)?.[1] ?? 'no number';
  check('subject', decodeURIComponent(mail?.[1] ?? ''), `Zamówienie ${number} — Sklep sprzedający`);
  const expected = [`Zamówienie ${number} — Sklep sprzedający`, '', `1. Kubek 'Ósemka' — 2 × ${zl('12,50')} = ${zl('25,00')}`,
    '', `Wartość towarów: ${zl('25,00')}`, `Dostawa: Kurier — ${zl('15,00')}`, 'Płatność: Przelew na konto',
    `Do zapłaty: ${zl('40,00')}`, '', 'Dane do faktury', 'Imię i Nazwisko: Zofia Żak', 'Ulica: Długa 1', 'Kod: 30-001',
    'Miasto: Kraków', 'E-Mail: zofia@example.pl'].join('\r\n');
  check('order text in the mail', body, expected);
  await page.click('#kopiuj');
  await page.waitForFunction(() => window.copied !== undefined);
  check('same order text on the clipboard', await page.evaluate(() => window.copied), expected);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#pobierz')]);
  check('same order text downloaded', readFileSync(await download.path(), 'utf8'), expected);
  return number;
}

async function thankYou(page, number) {
  const shown = await page.textContent('.podziekowanie');
  check('thank-you names the number', shown.includes(`Numer zamówienia: ${number}`), true);
  check('transfer details', shown.includes('Dane do przelewu') && shown.includes('61 1090 1014 0000 0712 1981 2874'), true);
  check('QR code: a total under 10 000 zł', await qrText(page), qrPayload('004000', number));
  await axe(page, 'thank-you shown');
  await page.click('#potwierdz');
  check('basket emptied once the buyer confirms', await page.locator('#koszyk-lista li').count(), 0);
  await page.reload();
  check('and it stays empty', await page.locator('#koszyk-lista li').count(), 0);

  // A total over 10 000 zł: 1000 mugs with free delivery.
  await basket(page, [[0, 1000]]);
  await fillBuyer(page);
  await page.check('#dostawa-0');
  await page.check('#platnosc-przelew');
  await page.check('#f-zgoda');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#pobierz')]);
  const large = /^Zamówienie (\S+) /.exec(readFileSync(await download.path(), 'utf8'))?.[1];
  check('QR code: a total over 10 000 zł', await qrText(page), qrPayload('1250000', large));
}

const context = await launch(stub, { acceptDownloads: true, viewport: { width: 1366, height: 768 } });
try {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.addInitScript(() => {
    navigator.clipboard.writeText = (text) => { window.copied = text; return Promise.resolve(); };
  });
  await page.goto(pathToFileURL(shopFile).href);
  const footer = await page.textContent('footer');
  check('seller in the footer', footer.includes('Pasieka Łęg') && footer.includes('osoba fizyczna'), true);
  for (const id of ['regulamin', 'prywatnosc', 'odstapienie'])
    check(`footer links to ${id}`, await page.locator(`footer a[href="#${id}"]`).count(), 1);
  check('the button says ordering means paying', await page.textContent('#wyslij'), 'Zamawiam i płacę');
  await blocking(page);
  await totals(page);
  const number = await threeWays(page);
  await thankYou(page, number);
  check('no script errors', errors.join('\n'), '');
  await page.setViewportSize({ width: 390, height: 844 });
  await page.goto(pathToFileURL(shopFile).href);
  await axe(page, 'phone');
} catch (error) {
  fail(error);
} finally {
  await context.close();
}

const vnu = join(dirname(require.resolve('vnu-jar/package.json')), 'build', 'dist', 'vnu.jar');
try {
  execFileSync('java', ['-jar', vnu, '--errors-only', shopFile], { stdio: 'pipe' });
  check('Nu HTML checker', '', '');
} catch (error) {
  check('Nu HTML checker', String(error.stderr || error.message).trim(), '');
}
finish(stub, 'selling: ');
