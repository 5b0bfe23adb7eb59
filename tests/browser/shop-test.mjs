// Opens the shops written by shop_fixtures in headless Chromium and uses
// them as a visitor would: adds products to the basket, looks at it, empties
// it and sends the order. The mail program is a stub on PATH that records
// the address the browser hands it.
import { readFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { check, fail, finish, launch, mailStub } from './harness.mjs';

const root = process.argv[2];
if (!root) {
  console.error('usage: node shop-test.mjs <folder written by shop_fixtures>');
  process.exit(2);
}

const products = [
  { name: "Kubek 'Ósemka'", total: '12,50 PLN' },
  { name: 'Płyta "Łódź" <b>nowość</b>', total: '25,99 PLN' },
  { name: 'Zażółć gęślą jaźń €', total: '175,99 PLN' },
  { name: 'Bez ceny', total: '175,99 PLN' },
  { name: 'Myślnik', total: '175,99 PLN' },
];
const line = '______________________________';
const summary =
  "Kubek 'Ósemka' sztuk 2\n" +
  'Płyta "Łódź" <b>nowość</b> sztuk 1\n' +
  'Zażółć gęślą jaźń € sztuk 1\n' +
  'Bez ceny sztuk 1\n' +
  'Myślnik sztuk 1\n' +
  `${line}\nWartość zamowienia wynosi 175,99 PLN`;
const added = (name, total) =>
  `Dodano do koszyka ${name}\nWypełnij formularz aby wysłać zamowienie.\nWartość zamowienia wynosi ${total}`;

// A stub mail program: each call appends its name and argument as one line.
const stub = mailStub('targello-browser-', (name) => `'%s %s\\n' "${name}" "$1"`);
const stubLog = stub.log;

// The calls of the mail program for one shop's order address.
function mailCalls(address) {
  const calls = existsSync(stubLog) ? readFileSync(stubLog, 'utf8').trim().split('\n') : [];
  return calls.filter((call) => call.includes(` mailto:${address}`));
}

async function firstMailCall(address) {
  for (let waited = 0; waited < 20000 && mailCalls(address).length === 0; waited += 50)
    await new Promise((resolve) => setTimeout(resolve, 50));
  return mailCalls(address)[0] ?? '';
}

async function testShop(context, layout) {
  const file = join(root, 'shop', `layout${layout}.html`);
  const shipping = layout === 1 || layout === 2;
  const what = (text) => `layout ${layout}: ${text}`;
  const page = await context.newPage();
  const alerts = [];
  const errors = [];
  page.on('dialog', (dialog) => {
    alerts.push(dialog.message());
    dialog.accept();
  });
  page.on('pageerror', (error) => errors.push(error.message));
  await page.addInitScript(() => {
    window.submits = 0;
    addEventListener('submit', () => window.submits++, true);
  });
  await page.goto(pathToFileURL(file).href);

  const head = readFileSync(file).subarray(0, 1024).toString('latin1');
  check(what('code page declared in the first 1024 bytes'), head.includes('charset=ISO-8859-2'), true);
  check(what('document code page'), await page.evaluate(() => document.characterSet), 'ISO-8859-2');
  if (layout !== 0) check(what('shop title'), (await page.textContent('body')).includes('Sklep „Pod Żółwiem”'), true);

  // Pictures of one name from two folders each show their own file.
  const widths = await page.$$eval('img', (images) => images.map((image) => image.naturalWidth));
  check(what('pictures of the first two products'), `${widths[0]},${widths[1]}`, '10,20');

  const buttons = page.locator('input[type=BUTTON][value="kupuję"]');
  check(what('add-to-basket buttons'), await buttons.count(), 5);
  // Two products side by side in each row of the table.
  const tops = await buttons.evaluateAll((all) => all.map((button) => Math.round(button.getBoundingClientRect().top)));
  check(what('products in two columns'), [tops[0] === tops[1], tops[1] < tops[2], tops[2] === tops[3]].join(), 'true,true,true');
  // One click as a visitor makes it; the rest straight on the buttons, which
  // runs the same handlers in a fraction of the time.
  await buttons.nth(0).click();
  await buttons.evaluateAll((all) => [0, 1, 2, 3, 4].forEach((i) => all[i].click()));
  check(what('first alert'), alerts[0], added(products[0].name, '12,50 PLN'));
  check(what('second alert'), alerts[1], added(products[0].name, '25,00 PLN'));
  for (let i = 1; i < products.length; i++)
    check(what(`alert of product ${i + 1}`), alerts[i + 1], added(products[i].name, products[i].total));

  alerts.length = 0;
  await page.click('input[value="zawartość koszyka"]');
  check(what('basket contents'), alerts[0], summary);

  await page.fill('input[name=FIRMA]', 'Żółta Łódź sp. z o.o.');
  await page.fill('input[name=NAZWISKO]', 'Jan Kowalski');
  await page.fill('input[name=MIASTO]', 'Gdańsk');
  check(what('shipping fields'), await page.locator('input[name=MIASTO2]').count(), shipping ? 1 : 0);

  const orderAddress = `sklep${layout}@example.com`;
  alerts.length = 0;
  await page.click('input[name=CommandButton1]');
  check(what('summary shown on sending'), alerts[0], summary);
  check(what('hidden field after sending'), await page.inputValue('input[name=ZAMOWIENIE]'), summary);
  const call = await firstMailCall(orderAddress);
  await new Promise((resolve) => setTimeout(resolve, 200)); // a second call would come now
  check(what('mail program started once'), mailCalls(orderAddress).length, 1);
  check(what('form not sent by the browser as well'), await page.evaluate(() => window.submits), 0);

  check(what('mail program'), call.split(' ')[0], 'xdg-email');
  const address = call.slice(call.indexOf(' ') + 1);
  const url = new URL(address);
  // The address as the trader typed it is the one recipient: a "?" in it starts nothing.
  const typed = layout === 3 ? `${orderAddress}?subject=Zamówienie` : orderAddress;
  check(what('order address'), `${url.protocol}${decodeURIComponent(url.pathname)}`, `mailto:${typed}`);
  check(what('nothing added to the mail'), [...url.searchParams.keys()].join(), 'body');
  const fields = [
    'CommandButton1=Wyślij formularz',
    `ZAMOWIENIE=${summary.replaceAll('\n', '\r\n')}`,
    'FIRMA=Żółta Łódź sp. z o.o.',
    'NAZWISKO=Jan Kowalski',
    'ULICA=',
    'KOD=',
    'MIASTO=Gdańsk',
    'NIP=',
    'TELEFON=',
    'MAIL=',
    ...(shipping ? ['FIRMA2=', 'NAZWISKO2=', 'ULICA2=', 'KOD2=', 'MIASTO2='] : []),
  ];
  const body = decodeURIComponent(address.slice(address.indexOf('body=') + 5));
  check(what('mail body'), body, fields.join('\r\n'));

  alerts.length = 0;
  await page.locator('input[value="opróżnij   koszyk"]').evaluate((button) => button.click());
  check(what('emptied basket'), alerts[0], `${line}\nWartość zamowienia wynosi 0,00 PLN`);

  if (layout >= 2) {
    const links = await page.$$eval('a[href]', (anchors) => anchors.map((a) => [a.textContent, a.href]));
    const menu = Object.fromEntries(links);
    check(what('menu link into a sibling folder'), menu['Cennik'], pathToFileURL(join(root, 'shopping', 'cennik.htm')).href);
    check(what('menu link with a blank'), menu['O nas'], pathToFileURL(join(root, 'shop', 'info', 'o nas.htm')).href);
  }
  check(what('script errors'), errors.join('; '), '');
  await page.close();
}

const context = await launch(stub);
try {
  // The four shops side by side: each waits mostly for the browser.
  await Promise.all([0, 1, 2, 3].map((layout) => testShop(context, layout)));
} catch (error) {
  fail(error);
} finally {
  await context.close();
}
finish(stub, 'browser: ');
