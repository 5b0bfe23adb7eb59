// Opens the shops written by hostile_shop_fixtures as a visitor would and
// checks that nothing of a stranger's project gets through: no menu link runs
// code, the order address adds nothing to the order mail, and pictures and
// pages with names a URL cannot hold as they stand still show.
import { readFileSync, readdirSync, existsSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { check, fail, finish, launch, mailStub } from './harness.mjs';

const root = process.argv[2];
if (!root) {
  console.error('usage: node hostile-shop-test.mjs <folder written by hostile_shop_fixtures>');
  process.exit(2);
}
const folder = join(root, 'shop');
const addresses = ['a@b.pl?bcc=x@y.pl&body=Dopisek', 'a@b.pl#x', 'a@b.pl%0D%0ABcc:%20x@y.pl'];
const codeLinks = ['Skrypt', 'Skrypt ukryty', 'VBScript', 'Dane', 'Dane base64'];
const pageOf = (kind, shop) => join(folder, `${kind} ${shop} 50% #1? ł.html`);

const stub = mailStub('targello-hostile-', () => `'%s\\n' "$1"`);
// Whole lines only: the stub's shell creates the log before printf writes
// to it, and a read between the two must not count as a call.
const mailLines = () => (existsSync(stub.log) ? readFileSync(stub.log, 'utf8').split('\n').slice(0, -1) : []);
async function nextMail(before) {
  for (let waited = 0; waited < 20000 && mailLines().length <= before; waited += 50)
    await new Promise((resolve) => setTimeout(resolve, 50));
  return mailLines()[before] ?? '';
}

async function open(context, file, what) {
  const page = await context.newPage();
  const dialogs = [];
  const errors = [];
  page.on('dialog', (dialog) => {
    dialogs.push(dialog.message());
    dialog.accept();
  });
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pathToFileURL(file).href);
  const widths = await page.$$eval('img[src]', (images) =>
    Promise.all(images.map((image) => {
      image.loading = 'eager'; // every picture now, not as the visitor scrolls
      return image.decode().then(() => image.naturalWidth, () => 0);
    })));
  check(`${what}: every picture shows`, widths.length > 0 && widths.every((width) => width > 0) ? '' :
    await page.$$eval('img[src]', (images) => images.map((image) => `${image.src} ${image.naturalWidth}`).join('\n')), '');
  return { page, dialogs, errors };
}

// Each code link is written inert: clicking it opens no dialog, leaves the
// page's title and text as they were and opens no other page.
async function clickCodeLinks(context, { page, dialogs }, what) {
  const title = await page.title();
  const pages = context.pages().length;
  for (const name of codeLinks) {
    const link = page.getByRole('link', { name, exact: true });
    check(`${what}: "${name}" leads nowhere`, await link.getAttribute('href'), '#');
    await link.click();
    await page.waitForTimeout(150);
    check(`${what}: "${name}" opened no dialog`, dialogs.join(' | '), '');
    check(`${what}: "${name}" left the title`, await page.title(), title);
    check(`${what}: nothing of the attacker's after "${name}"`, (await page.textContent('body')).includes('ATAK'), false);
    check(`${what}: no other page after "${name}"`, context.pages().length, pages);
  }
  // Relative targets lead from the page's own folder.
  const href = async (name) => page.getByRole('link', { name, exact: true }).evaluate((a) => a.href);
  check(`${what}: relative link`, await href('Regulamin'), pathToFileURL(join(folder, 'regulamin.html')).href);
  check(`${what}: relative link into a folder`, await href('O nas'), pathToFileURL(join(folder, 'strony', 'o-nas.html')).href);
}

// What the mail program receives: the one recipient the address names as it
// stands, the order as the body (the modern page's with its subject) and
// nothing else.
function checkMail(call, address, bodyStart, keys, what) {
  check(`${what}: mail program called`, call.startsWith('mailto:'), true);
  const url = new URL(call);
  check(`${what}: one recipient, the whole address`, decodeURIComponent(url.pathname), address);
  check(`${what}: nothing but the order`, [...url.searchParams.keys()].join(), keys);
  check(`${what}: no fragment`, url.hash, '');
  const body = url.searchParams.get('body') ?? '';
  check(`${what}: the order is the body`, body.startsWith(bodyStart) && body.includes('Gdańsk'), true);
}

// A visitor buys one product and sends the order.
async function order(context, kind, shop) {
  const what = `${kind} ${shop}`;
  const opened = await open(context, pageOf(kind, shop), what);
  await clickCodeLinks(context, opened, what);
  const { page } = opened;
  const classic = kind === 'klasyczny';
  await page.locator(classic ? 'input[value="kupuję"]' : 'button.dodaj').first().click();
  const fields = classic ? [['MIASTO', 'Gdańsk']]
    : [['NAZWISKO', 'Jan'], ['ULICA', 'Długa 1'], ['KOD', '80-001'], ['MIASTO', 'Gdańsk'], ['MAIL', 'jan@example.pl']];
  for (const [name, value] of fields) await page.fill(classic ? `input[name=${name}]` : `#f-${name}`, value);
  if (!classic) await page.check('#f-zgoda');
  const before = mailLines().length;
  await page.click(classic ? 'input[name=CommandButton1]' : '#wyslij');
  const start = classic ? 'CommandButton1=Wyślij formularz\r\nZAMOWIENIE=Produkt 1' : 'Zamówienie ';
  checkMail(await nextMail(before), addresses[shop], start, classic ? 'body' : 'subject,body', what);
  check(`${what}: no script errors`, opened.errors.join('; '), '');
  await page.close();
}

const context = await launch(stub);
try {
  // One shop after another: each reads the mail program's next call.
  for (let shop = 0; shop < addresses.length; shop++)
    for (const kind of ['klasyczny', 'nowoczesny']) await order(context, kind, shop);
} catch (error) {
  fail(error);
} finally {
  await context.close();
}

// The modern pages' addresses are valid to the Nu HTML checker.
const require = createRequire(import.meta.url);
const vnu = join(dirname(require.resolve('vnu-jar/package.json')), 'build', 'dist', 'vnu.jar');
const modernPages = readdirSync(folder).filter((name) => name.startsWith('nowoczesny') && name.endsWith('.html')).map((name) => join(folder, name));
try {
  execFileSync('java', ['-jar', vnu, '--errors-only', ...modernPages], { stdio: 'pipe' });
  check('Nu HTML checker', '', '');
} catch (error) {
  check('Nu HTML checker', String(error.stderr || error.message).trim().slice(0, 3000), '');
}
finish(stub, 'hostile: ');
