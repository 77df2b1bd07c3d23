// Reads a _redirects file with Netlify's own parser and prints each rule's from, to, status
// and force, and the parser's errors, as one JSON object.
import { parseAllRedirects } from '@netlify/redirect-parser'

const { redirects, errors } = await parseAllRedirects({ redirectsFiles: [process.argv[2]] })
console.log(
  JSON.stringify({
    redirects: redirects.map(({ from, to, status, force }) => ({ from, to, status, force })),
    errors: errors.map((error) => error.message),
  }),
)
